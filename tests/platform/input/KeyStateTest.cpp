// Key states while modifiers are held, asked from inside a hook and after.
#include <gtest/gtest.h>

#include <vector>

#include "platform/input/KeyState.h"
#include "platform/input/KeyboardHook.h"
#include "platform/input/SyntheticKeyboard.h"
#include "platform/input/VirtualKeys.h"
#include "platform/input/WindowMessages.h"

namespace corvane::input {
namespace {

struct Modifiers {
  bool control, leftControl, rightControl, shift, alt;
  bool operator==(const Modifiers&) const = default;
};

Modifiers AsyncModifiers() {
  return {IsKeyDown(VK_CONTROL), IsKeyDown(VK_LCONTROL), IsKeyDown(VK_RCONTROL), IsKeyDown(VK_SHIFT),
          IsKeyDown(VK_MENU)};
}

TEST(KeyStateTest, HookSeesModifiersHeldBeforeTheKey) {
  struct Case {
    std::vector<UINT> held;
    Modifiers expected;
  };
  const std::vector<Case> cases{
      {{}, {false, false, false, false, false}},
      {{VK_CONTROL}, {true, true, false, false, false}},
      {{VK_RCONTROL}, {true, false, true, false, false}},
      {{VK_LCONTROL, VK_SHIFT}, {true, true, false, true, false}},
      {{VK_RSHIFT}, {false, false, false, true, false}},
      {{VK_CONTROL, VK_SHIFT, VK_LMENU}, {true, true, false, true, true}},
  };
  for (const Case& test : cases) {
    SyntheticKeyboard keyboard;
    std::vector<Modifiers> inHook;
    bool threadSawControl = false;
    KeyboardHook hook([&](int code, WPARAM key, LPARAM data) {
      if (code == HC_ACTION && key == 'P') {
        inHook.push_back(AsyncModifiers());
        threadSawControl = ThreadKeyState(VK_CONTROL) < 0;
      }
      return hook.CallNext(code, key, data);
    });
    for (UINT key : test.held) keyboard.Press(key);
    keyboard.Tap('P');
    ASSERT_EQ(inHook.size(), 2u);
    EXPECT_EQ(inHook[0], test.expected) << test.held.size();
    EXPECT_EQ(threadSawControl, test.expected.control) << test.held.size();
  }
  // Every keyboard released what it held.
  EXPECT_EQ(AsyncModifiers(), (Modifiers{false, false, false, false, false}));
}

TEST(KeyStateTest, GenericModifierStaysDownWhileEitherSideIs) {
  SyntheticKeyboard keyboard;
  keyboard.Press(VK_LCONTROL);
  keyboard.Press(VK_RCONTROL);
  keyboard.Release(VK_LCONTROL);
  EXPECT_TRUE(IsKeyDown(VK_CONTROL));
  EXPECT_LT(AsyncKeyState(VK_CONTROL), 0);
  EXPECT_LT(ThreadKeyState(VK_CONTROL), 0);
  keyboard.Release(VK_RCONTROL);
  EXPECT_FALSE(IsKeyDown(VK_CONTROL));
  EXPECT_GE(ThreadKeyState(VK_CONTROL), 0);
  EXPECT_FALSE(IsKeyDown(VK_RCONTROL));
}

}  // namespace
}  // namespace corvane::input
