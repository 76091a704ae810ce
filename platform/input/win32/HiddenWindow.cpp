#include "platform/input/HiddenWindow.h"

#include <string>
#include <utility>

#include "platform/com/Text.h"
#include "platform/input/WindowSupport.h"

namespace corvane::input {

namespace {
// The module this code is linked into: the add-in DLL or a test program.
HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

bool ClassExists(const std::u16string& className) {
  WNDCLASSW found{};
  return GetClassInfoW(ThisModule(), com::ole(className), &found) != 0;
}

void EnsureClass(const std::u16string& className) {
  if (!window_support::IsValidClassName(className)) window_support::ThrowClassError(className);
  if (ClassExists(className)) return;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = ThisModule();
  windowClass.lpszClassName = com::ole(className);
  if (!RegisterClassW(&windowClass)) window_support::ThrowClassError(className);
}
}  // namespace

struct HiddenWindow::State {
  HWND window = nullptr;
  Handler handler;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) window_support::CallHandler(self->handler, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      // Destroyed by whoever: the object no longer has a window.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      if (self) self->window = nullptr;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
};

HiddenWindow::HiddenWindow(std::u16string_view className, std::u16string_view text)
    : state_(std::make_unique<State>()) {
  const std::u16string name(className);
  const std::u16string caption(text);
  EnsureClass(name);
  state_->window = CreateWindowExW(WS_EX_TOOLWINDOW, com::ole(name), com::ole(caption), WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, ThisModule(), nullptr);
}

HiddenWindow::~HiddenWindow() { Destroy(); }

HWND HiddenWindow::handle() const { return state_->window; }

void HiddenWindow::SetHandler(Handler handler) {
  if (!state_->window) return;
  state_->handler = std::move(handler);
  SetWindowLongPtrW(state_->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state_.get()));
  SetWindowLongPtrW(state_->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&State::Procedure));
}

void HiddenWindow::Destroy() {
  const HWND window = std::exchange(state_->window, nullptr);
  if (window) DestroyWindow(window);
}

bool HiddenWindow::IsClassRegistered(std::u16string_view className) {
  return window_support::IsValidClassName(className) && ClassExists(std::u16string(className));
}

}  // namespace corvane::input
