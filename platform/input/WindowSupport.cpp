#include "platform/input/WindowSupport.h"

namespace corvane::input::window_support {

namespace {
constexpr size_t kMaxClassName = 255;
}  // namespace

void CallHandler(const HiddenWindow::Handler& handler, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam) noexcept {
  if (!handler) return;
  try {
    handler(window, message, wParam, lParam);
  } catch (...) {
    // The owner reports its own errors; the message still gets its default
    // handling.
  }
}

bool IsValidClassName(std::u16string_view className) { return !className.empty() && className.size() <= kMaxClassName; }

void ThrowClassError(std::u16string_view className) {
  throw com::ComError(E_OUTOFMEMORY, u"Error creating window class", std::u16string(className));
}

}  // namespace corvane::input::window_support
