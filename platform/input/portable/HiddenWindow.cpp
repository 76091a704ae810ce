#include "platform/input/HiddenWindow.h"

#include <utility>

#include "platform/input/Messages.h"
#include "platform/input/WindowMessages.h"
#include "platform/input/WindowSupport.h"
#include "platform/input/portable/WindowTable.h"

namespace corvane::input {

struct HiddenWindow::State {
  HWND window = nullptr;
};

HiddenWindow::HiddenWindow(std::u16string_view className, std::u16string_view text)
    : state_(std::make_unique<State>()) {
  WindowTable& table = WindowTable::Instance();
  if (!table.RegisterClass(className)) window_support::ThrowClassError(className);
  state_->window = table.Create(className, text);
}

HiddenWindow::~HiddenWindow() { Destroy(); }

HWND HiddenWindow::handle() const { return state_->window; }

void HiddenWindow::SetHandler(Handler handler) {
  if (state_->window) WindowTable::Instance().SetHandler(state_->window, std::move(handler));
}

void HiddenWindow::Destroy() {
  const HWND window = std::exchange(state_->window, nullptr);
  if (!window) return;
  SendWindowMessage(window, WM_DESTROY, 0, 0);
  SendWindowMessage(window, WM_NCDESTROY, 0, 0);
  WindowTable::Instance().Remove(window);
}

bool HiddenWindow::IsClassRegistered(std::u16string_view className) {
  return WindowTable::Instance().IsClassRegistered(className);
}

}  // namespace corvane::input
