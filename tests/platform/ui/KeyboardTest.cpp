// The Ctrl state the commands read follows the keyboard, whichever side of
// Ctrl is held.
#include <gtest/gtest.h>

#include "platform/input/SyntheticKeyboard.h"
#include "platform/input/VirtualKeys.h"
#include "platform/ui/Keyboard.h"

namespace corvane::ui {
namespace {

TEST(UiKeyboardTest, CtrlIsDownWhileEitherCtrlKeyIsHeld) {
  input::SyntheticKeyboard keyboard;
  ASSERT_FALSE(IsCtrlDown());
  for (UINT side : {VK_LCONTROL, VK_RCONTROL}) {
    keyboard.Press(side);
    EXPECT_TRUE(IsCtrlDown()) << "side " << side;
    keyboard.Release(side);
    EXPECT_FALSE(IsCtrlDown()) << "side " << side;
  }
  keyboard.Press(VK_SHIFT);
  EXPECT_FALSE(IsCtrlDown());
}

}  // namespace
}  // namespace corvane::ui
