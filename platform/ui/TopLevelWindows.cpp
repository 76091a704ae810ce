#include "platform/ui/TopLevelWindows.h"

namespace corvane::ui {

HWND FindThreadWindowByClass(std::u16string_view className) {
  for (HWND window : ThreadTopLevelWindows()) {
    if (WindowClassName(window) == className) return window;
  }
  return nullptr;
}

}  // namespace corvane::ui
