// What the keyboard layout knows of a virtual key. Win32: the system's
// current layout; portable: a US layout table.
#pragma once

#include <string>

#include "platform/com/com.h"

namespace corvane::input {

// The layout's scan code for the key; 0 when the layout has none.
UINT ScanCodeOf(UINT virtualKey);
// Keys that carry the extended flag (right Ctrl and Alt, the navigation
// block, the arrows, Num Lock, Num /, the Windows and menu keys).
bool IsExtendedKey(UINT virtualKey);
// The layout's name for the key; empty when it has none.
std::u16string LayoutKeyName(UINT virtualKey);

// VK_LSHIFT/VK_RSHIFT and friends as the generic key that key messages and
// hooks report (VK_SHIFT, VK_CONTROL, VK_MENU); other keys unchanged.
UINT GenericKey(UINT virtualKey);
// The generic modifiers as their left-hand key; other keys unchanged.
UINT SidedKey(UINT virtualKey);

}  // namespace corvane::input
