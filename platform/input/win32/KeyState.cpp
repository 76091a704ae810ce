#include "platform/input/KeyState.h"

namespace corvane::input {

SHORT AsyncKeyState(int virtualKey) { return GetAsyncKeyState(virtualKey); }

SHORT ThreadKeyState(int virtualKey) { return GetKeyState(virtualKey); }

bool IsKeyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace corvane::input
