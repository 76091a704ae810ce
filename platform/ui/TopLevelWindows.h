// The current thread's top-level windows, as the add-in looks for its
// host's main window among them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com.h"

namespace corvane::ui {

// In the system's enumeration order (z-order, topmost first).
std::vector<HWND> ThreadTopLevelWindows();
// Empty for a window that does not exist.
std::u16string WindowClassName(HWND window);
// The first of ThreadTopLevelWindows whose class name equals className
// exactly (case-sensitive); null when none does.
HWND FindThreadWindowByClass(std::u16string_view className);

}  // namespace corvane::ui
