#include "platform/input/portable/WindowTable.h"

#include <utility>

#include "platform/com/Text.h"
#include "platform/input/WindowSupport.h"

namespace corvane::input {

WindowTable& WindowTable::Instance() {
  static WindowTable table;
  return table;
}

bool WindowTable::RegisterClass(std::u16string_view className) {
  if (!window_support::IsValidClassName(className)) return false;
  std::lock_guard guard(lock_);
  classes_.insert(com::AsciiUpper(className));
  return true;
}

bool WindowTable::IsClassRegistered(std::u16string_view className) const {
  std::lock_guard guard(lock_);
  return classes_.count(com::AsciiUpper(className)) != 0;
}

HWND WindowTable::Create(std::u16string_view className, std::u16string_view text) {
  std::lock_guard guard(lock_);
  if (classes_.count(com::AsciiUpper(className)) == 0) return nullptr;
  nextHandle_ += 0x10;
  const auto handle = reinterpret_cast<HWND>(nextHandle_);
  windows_[handle] = Window{std::this_thread::get_id(), std::u16string(className), std::u16string(text), nullptr};
  return handle;
}

void WindowTable::SetHandler(HWND window, HiddenWindow::Handler handler) {
  std::lock_guard guard(lock_);
  const auto found = windows_.find(window);
  if (found != windows_.end()) {
    found->second.handler = std::make_shared<const HiddenWindow::Handler>(std::move(handler));
  }
}

std::unique_ptr<WindowTable::Window> WindowTable::Find(HWND window) const {
  std::lock_guard guard(lock_);
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : std::make_unique<Window>(found->second);
}

void WindowTable::Remove(HWND window) {
  std::lock_guard guard(lock_);
  windows_.erase(window);
}

}  // namespace corvane::input
