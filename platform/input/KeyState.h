// Key states, as GetAsyncKeyState and GetKeyState report them: the high bit
// (the value is negative) while the key is down; GetKeyState's low bit is
// the toggle (Caps Lock on, for instance). Generic modifiers (VK_CONTROL)
// are down while either side is. Portable: set by the synthetic keyboard.
#pragma once

#include "platform/com/com.h"

namespace corvane::input {

// The key's state now, whichever thread asks.
SHORT AsyncKeyState(int virtualKey);
// The key's state as of the last key message the calling thread took.
SHORT ThreadKeyState(int virtualKey);
// The high bit of AsyncKeyState.
bool IsKeyDown(int virtualKey);

}  // namespace corvane::input
