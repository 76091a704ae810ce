// What both window backends share: the guard around the owner's handler and
// the class registration error.
#pragma once

#include <string_view>

#include "platform/com/ComError.h"
#include "platform/input/HiddenWindow.h"

namespace corvane::input::window_support {

// Runs the handler; an exception stops at the window procedure, which the
// system calls and which cannot take one.
void CallHandler(const HiddenWindow::Handler& handler, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam) noexcept;

// Class names are atoms: 1 to 255 characters.
bool IsValidClassName(std::u16string_view className);

[[noreturn]] void ThrowClassError(std::u16string_view className);

}  // namespace corvane::input::window_support
