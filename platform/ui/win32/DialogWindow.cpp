#include "platform/ui/win32/DialogWindow.h"

#include <cstring>
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
  // Picture controls do not own the bitmaps they are given; these go once
  // the dialog's windows are gone.
  std::vector<HBITMAP> bitmaps;
};

struct ControlClass {
  ControlKind kind;
  const wchar_t* windowClass;
  DWORD style;
};
constexpr ControlClass kControlClasses[] = {
    // Labels take their own clicks (and do nothing), so a click on one never
    // reaches a picture below it.
    {ControlKind::Label, L"STATIC", SS_LEFT | SS_NOTIFY},
    // An address is never broken over lines: it shows clipped instead.
    {ControlKind::Link, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY},
    {ControlKind::Picture, L"STATIC", SS_BITMAP | SS_NOTIFY | WS_CLIPSIBLINGS},
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

// A top-down 32-bit DIB section holding the pixels.
HBITMAP BitmapOf(const Bitmap& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(std::uint32_t));
  return bitmap;
}

// The picture goes below its siblings, so the labels placed on it are drawn
// over it and take the clicks meant for them.
void ShowPicture(HWND child, const DialogControl& control, DialogState& state) {
  const Bitmap& picture = control.picture;
  if (picture.Empty() || picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height) return;
  HBITMAP bitmap = BitmapOf(picture);
  if (!bitmap) return;
  state.bitmaps.push_back(bitmap);
  SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  SetWindowPos(child, HWND_BOTTOM, control.left, control.top, control.width, control.height, SWP_NOACTIVATE);
}

void CreateControls(HWND window, DialogState& state) {
  const ModalDialog& dialog = *state.dialog;
  const auto font = SendMessageW(window, WM_GETFONT, 0, 0);
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  for (size_t i = 0; i < dialog.controls.size(); ++i) {
    const DialogControl& control = dialog.controls[i];
    const ControlClass& type = ClassOf(control.kind);
    const DWORD style = type.style | (control.isDefault ? BS_DEFPUSHBUTTON : 0);
    HWND child = CreateWindowExW(0, type.windowClass, com::ole(control.text), WS_CHILD | WS_VISIBLE | style,
                                 control.left, control.top, control.width, control.height, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance, nullptr);
    if (!child) continue;
    SendMessageW(child, WM_SETFONT, font, FALSE);
    if (control.kind == ControlKind::Picture) ShowPicture(child, control, state);
  }
}

const DialogControl* ControlOfWindow(const ModalDialog& dialog, HWND child) {
  const size_t index = static_cast<size_t>(GetDlgCtrlID(child) - kFirstControlId);
  return index < dialog.controls.size() ? &dialog.controls[index] : nullptr;
}

bool IsClickable(const DialogControl* control) {
  return control && (control->kind == ControlKind::Link || control->kind == ControlKind::Picture);
}

// Labels are drawn on whatever lies below them; links in the usual blue.
INT_PTR LabelColours(const DialogState& state, HDC dc, HWND child) {
  const DialogControl* control = ControlOfWindow(*state.dialog, child);
  if (!control || control->kind == ControlKind::PushButton) return FALSE;
  SetBkMode(dc, TRANSPARENT);
  if (control->kind == ControlKind::Link) SetTextColor(dc, RGB(0, 0, 255));
  return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

// The control a command id stands for: its own id, or Enter and Escape for
// the default and cancel buttons.
const DialogControl* ControlOfCommand(const ModalDialog& dialog, int id) {
  const size_t index = static_cast<size_t>(id - kFirstControlId);
  if (id >= kFirstControlId && index < dialog.controls.size()) return &dialog.controls[index];
  if (id == IDOK) return DefaultButton(dialog);
  if (id == IDCANCEL) return CancelButton(dialog);
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
    CreateControls(window, *reinterpret_cast<DialogState*>(lParam));
    return TRUE;
  }
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!state) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) != 0) return FALSE;  // clicks only (BN_CLICKED, STN_CLICKED)
      OnCommand(window, *state, LOWORD(wParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return LabelColours(*state, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
      if (!IsClickable(ControlOfWindow(*state->dialog, reinterpret_cast<HWND>(wParam)))) return FALSE;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int RunModalDialog(const ModalDialog& dialog) {
  DialogState state{&dialog, nullptr, {}};
  const std::vector<WORD> words = EmptyTemplate();
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                              dialog.owner, DialogProc, reinterpret_cast<LPARAM>(&state));
  for (HBITMAP bitmap : state.bitmaps) DeleteObject(bitmap);
  if (state.failure) std::rethrow_exception(state.failure);
  if (result == -1) throw com::ComError(HRESULT_FROM_WIN32(GetLastError()), u"The dialog could not be shown");
  return static_cast<int>(result);
}

}  // namespace corvane::ui
