#include "platform/ui/Keyboard.h"

#include "platform/input/KeyState.h"
#include "platform/input/VirtualKeys.h"

namespace corvane::ui {

// One source of key states for both builds: the input service (the real
// keyboard on Windows, the synthetic one natively).
bool IsCtrlDown() { return input::IsKeyDown(VK_CONTROL); }

}  // namespace corvane::ui
