#include "platform/ui/win32/DialogWindow.h"

#include <exception>
#include <vector>

#include "platform/com/ComError.h"
#include "platform/com/Text.h"

namespace corvane::ui {

namespace {

constexpr int kFirstControlId = 1000;

struct DialogState {
  const ModalDialog* dialog;
  std::exception_ptr failure;
};

struct ControlClass {
  ControlKind kind;
  const wchar_t* windowClass;
  DWORD style;
};
constexpr ControlClass kControlClasses[] = {
    {ControlKind::Label, L"STATIC", SS_LEFT},
    {ControlKind::Link, L"STATIC", SS_LEFT | SS_NOTIFY},
    {ControlKind::Picture, L"STATIC", SS_LEFT | SS_NOTIFY},
    {ControlKind::PushButton, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP},
};

const ControlClass& ClassOf(ControlKind kind) {
  for (const ControlClass& entry : kControlClasses) {
    if (entry.kind == kind) return entry;
  }
  return kControlClasses[0];
}

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

// An empty in-memory template: no controls, the caption and controls are set
// in pixels once the window exists.
std::vector<WORD> EmptyTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
  header->style = kDialogStyle;
  words.insert(words.end(), {0, 0, 0, 8});  // no menu, default class, no title, 8 points
  for (const wchar_t* c = L"MS Shell Dlg";; ++c) {
    words.push_back(static_cast<WORD>(*c));
    if (!*c) break;
  }
  return words;
}

void PlaceWindow(HWND window, const ModalDialog& dialog) {
  RECT frame{0, 0, dialog.clientWidth, dialog.clientHeight};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!dialog.centredOnScreen && dialog.owner) GetWindowRect(dialog.owner, &area);
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateControls(HWND window, const ModalDialog& dialog) {
  const auto font = SendMessageW(window, WM_GETFONT, 0, 0);
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  for (size_t i = 0; i < dialog.controls.size(); ++i) {
    const DialogControl& control = dialog.controls[i];
    const ControlClass& type = ClassOf(control.kind);
    const DWORD style = type.style | (control.isDefault ? BS_DEFPUSHBUTTON : 0);
    HWND child = CreateWindowExW(0, type.windowClass, com::ole(control.text), WS_CHILD | WS_VISIBLE | style,
                                 control.left, control.top, control.width, control.height, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance, nullptr);
    if (child) SendMessageW(child, WM_SETFONT, font, FALSE);
  }
}

// The control a command id stands for: its own id, or Enter and Escape for
// the default and cancel buttons.
const DialogControl* ControlOfCommand(const ModalDialog& dialog, int id) {
  const size_t index = static_cast<size_t>(id - kFirstControlId);
  if (id >= kFirstControlId && index < dialog.controls.size()) return &dialog.controls[index];
  for (const DialogControl& control : dialog.controls) {
    if ((id == IDOK && control.isDefault) || (id == IDCANCEL && control.isCancel)) return &control;
  }
  return nullptr;
}

void OnCommand(HWND window, DialogState& state, int id) {
  const DialogControl* control = ControlOfCommand(*state.dialog, id);
  if (!control) {
    if (id == IDCANCEL) EndDialog(window, kDialogClosed);
    return;
  }
  try {
    if (control->onClick) control->onClick();
  } catch (...) {
    state.failure = std::current_exception();
    EndDialog(window, kDialogClosed);
    return;
  }
  if (control->modalResult != 0) EndDialog(window, control->modalResult);
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    const ModalDialog& dialog = *reinterpret_cast<DialogState*>(lParam)->dialog;
    SetWindowTextW(window, com::ole(dialog.caption));
    PlaceWindow(window, dialog);
    CreateControls(window, dialog);
    return TRUE;
  }
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(window, DWLP_USER));
  if (message == WM_COMMAND && state && HIWORD(wParam) == 0) {
    OnCommand(window, *state, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int RunModalDialog(const ModalDialog& dialog) {
  DialogState state{&dialog, nullptr};
  const std::vector<WORD> words = EmptyTemplate();
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                              dialog.owner, DialogProc, reinterpret_cast<LPARAM>(&state));
  if (state.failure) std::rethrow_exception(state.failure);
  if (result == -1) throw com::ComError(HRESULT_FROM_WIN32(GetLastError()), u"The dialog could not be shown");
  return static_cast<int>(result);
}

}  // namespace corvane::ui
