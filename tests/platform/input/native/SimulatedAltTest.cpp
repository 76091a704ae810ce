// The simulated keyboard's system keys on release: Alt alone is a system
// key, Alt after another key is not.
#include <gtest/gtest.h>

#include <vector>

#include "platform/input/SyntheticKeyboard.h"
#include "platform/input/VirtualKeys.h"
#include "platform/input/WindowMessages.h"

namespace corvane::input {
namespace {

std::vector<UINT> Messages(const SyntheticKeyboard& keyboard) {
  std::vector<UINT> messages;
  for (const DeliveredKey& key : keyboard.Delivered()) messages.push_back(key.message);
  return messages;
}

TEST(SimulatedAltTest, ReleaseMessages) {
  SyntheticKeyboard alone;
  alone.Tap(VK_MENU);
  EXPECT_EQ(Messages(alone), (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYUP}));

  SyntheticKeyboard withKey;
  withKey.Press(VK_MENU);
  withKey.Tap('R');
  withKey.Release(VK_MENU);
  EXPECT_EQ(Messages(withKey), (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_KEYUP, WM_KEYUP}));

  // Ctrl with Alt: ordinary key messages.
  SyntheticKeyboard withControl;
  withControl.Press(VK_CONTROL);
  withControl.Press(VK_MENU);
  withControl.Tap('X');
  EXPECT_EQ(Messages(withControl)[2], static_cast<UINT>(WM_KEYDOWN));
}

}  // namespace
}  // namespace corvane::input
