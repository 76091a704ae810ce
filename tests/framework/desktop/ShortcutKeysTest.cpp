// Keyboard shortcuts of a module's buttons, pressed on the synthetic
// keyboard: the real thread hook and hidden window under Wine, the
// portable ones natively.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "framework/commandbars/ShortcutKeys.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "platform/input/KeyData.h"
#include "platform/input/Messages.h"
#include "platform/input/SyntheticKeyboard.h"
#include "platform/input/VirtualKeys.h"
#include "platform/input/WindowMessages.h"
#include "tests/framework/BindingFixture.h"

namespace corvane::framework::testing {
namespace {

constexpr int32_t kMenuItemTag = 70;

class ShortcutKeysTest : public BindingTest {
 protected:
  // Button 0: Ctrl+Shift+P; 1: "&Refresh"; 2: the shortcut written with
  // its modifiers out of order; 3: disabled, Ctrl+D; 4: Ctrl+Shift+P again.
  // A popup's menu holds "&Menu item". All enabled but button 3.
  void StartWithShortcuts() {
    addItems = [](TkvxCommandBar& bar, const Design& design) {
      auto& popup = static_cast<TkvxCommandBarPopup&>(bar.Controls().AddControl(kvxKindPopup));
      popup.SetOfficeTag(TagOf(6));
      popup.SetCaption(u"Menu");
      popup.SetPropertyChanged(design.buttonRevision);
      auto& child = static_cast<TkvxCommandBarButton&>(popup.Controls().AddControl(kvxKindButton));
      child.SetOfficeTag(TagOf(7));
      child.SetTag(kMenuItemTag);
      child.SetCaption(u"&Menu item");
      child.SetPropertyChanged(design.buttonRevision);
    };
    Start({.buttons = 5});
    const char16_t* shortcuts[] = {u"Ctrl+Shift+P", u"", u"Shift+Ctrl+Q", u"Ctrl+D", u"ctrl+shift+p"};
    for (size_t i = 0; i < 5; ++i) {
      Button(i).SetShortcutText(shortcuts[i]);
      Button(i).SetEnabled(i != 3);
    }
    Button(1).SetCaption(u"&Refresh");
    MenuItem().OnClick = Button(0).OnClick;
    HostBar()->props().visible = true;
    module->SetHandleShortcuts(true);
    ASSERT_NE(ShortcutKeys::Current(), nullptr);
  }

  TkvxCommandBarButton& MenuItem() const {
    auto& popup = static_cast<TkvxCommandBarPopup&>(bar->Controls().Items(5));
    return static_cast<TkvxCommandBarButton&>(popup.Controls().Items(0));
  }

  // Holds the modifiers, taps the key (pressed `presses` times, so that
  // the rest are repeats), lets go; whether the key's presses reached the
  // host, and the clicks it made.
  struct Outcome {
    std::vector<int32_t> clicks;
    int delivered;
  };
  Outcome Chord(std::initializer_list<UINT> modifiers, UINT key, int presses = 1) {
    clicks.clear();
    keyboard.ClearDelivered();
    for (UINT modifier : modifiers) keyboard.Press(modifier);
    for (int i = 0; i < presses; ++i) keyboard.Press(key);
    keyboard.Release(key);
    for (UINT modifier : modifiers) keyboard.Release(modifier);
    int delivered = 0;
    for (const input::DeliveredKey& heard : keyboard.Delivered()) {
      const bool down = heard.message == WM_KEYDOWN || heard.message == WM_SYSKEYDOWN;
      if (down && heard.virtualKey == key) ++delivered;
    }
    return {clicks, delivered};
  }

  input::SyntheticKeyboard keyboard;
};

TEST_F(ShortcutKeysTest, AKeyIsComposedCtrlShiftAltThenItsNameUpperCased) {
  struct Case {
    std::initializer_list<UINT> held;
    UINT key;
    input::KeyData data;
    std::optional<std::u16string> text;
  };
  const input::KeyData press{};
  const Case cases[] = {
      {{VK_CONTROL, VK_SHIFT}, 'P', press, u"CTRL+SHIFT+P"},
      {{VK_RSHIFT, VK_RCONTROL}, 'P', press, u"CTRL+SHIFT+P"},
      {{VK_MENU}, VK_F12, press, u"ALT+F12"},
      {{VK_CONTROL, VK_SHIFT, VK_MENU}, VK_BACK, press, u"CTRL+SHIFT+ALT+BKSP"},
      {{}, VK_NUMPAD7, press, u"7"},
      {{VK_SHIFT}, VK_PRIOR, press, u"SHIFT+PGUP"},
      {{VK_CONTROL}, VK_SHIFT, press, std::nullopt},  // a modifier alone
      {{}, 'P', {.wasDown = true}, std::nullopt},     // a repeat
      {{}, 'P', {.wasDown = true, .released = true}, std::nullopt},
  };
  for (const Case& c : cases) {
    for (UINT key : c.held) keyboard.Press(key);
    EXPECT_EQ(ShortcutKeys::ShortcutTextOf(c.key, c.data.Pack()), c.text) << c.key;
    for (UINT key : c.held) keyboard.Release(key);
  }
}

TEST_F(ShortcutKeysTest, AMatchingKeyClicksItsButtonAndNeverReachesTheHost) {
  StartWithShortcuts();
  struct Case {
    const char* what;
    std::initializer_list<UINT> held;
    UINT key;
    int presses;
    std::vector<int32_t> clicks;
    int delivered;
  };
  const Case cases[] = {
      // Of buttons 0 and 4 with one shortcut the first wins.
      {"shortcut", {VK_CONTROL, VK_SHIFT}, 'P', 1, {0}, 0},
      {"other order pressed", {VK_SHIFT, VK_CONTROL}, 'P', 1, {0}, 0},
      {"held: the repeats go on", {VK_CONTROL, VK_SHIFT}, 'P', 3, {0}, 2},
      {"fewer modifiers", {VK_CONTROL}, 'P', 1, {}, 1},
      {"written Shift+Ctrl never matches", {VK_CONTROL, VK_SHIFT}, 'Q', 1, {}, 1},
      {"disabled: swallowed, no click", {VK_CONTROL}, 'D', 1, {}, 0},
      {"accelerator", {VK_MENU}, 'R', 1, {1}, 0},
      {"a popup menu's accelerator: swallowed, no click", {VK_MENU}, 'M', 1, {}, 0},
      {"no such key", {VK_MENU}, 'Z', 1, {}, 1},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Chord(c.held, c.key, c.presses);
    EXPECT_EQ(outcome.clicks, c.clicks) << c.what;
    EXPECT_EQ(outcome.delivered, c.delivered) << c.what;
  }
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ShortcutKeysTest, AnAcceleratorClicksOnlyOnAnEnabledVisibleBarAndAVisibleButton) {
  StartWithShortcuts();
  auto& hostBar = HostBar()->props();
  auto& hostButton = Tagged(1).at(0)->props();
  struct Case {
    const char* what;
    bool barVisible, barEnabled, buttonVisible;
    std::vector<int32_t> clicks;
  };
  const Case cases[] = {
      {"all shown", true, true, true, {1}},
      {"bar hidden", false, true, true, {}},
      {"bar disabled", true, false, true, {}},
      {"button hidden", true, true, false, {}},
  };
  for (const Case& c : cases) {
    hostBar.visible = c.barVisible;
    hostBar.enabled = c.barEnabled;
    hostButton.visible = c.buttonVisible;
    const Outcome outcome = Chord({VK_MENU}, 'R');
    EXPECT_EQ(outcome.clicks, c.clicks) << c.what;
    EXPECT_EQ(outcome.delivered, 0) << c.what;
  }
  // The shortcut text itself asks nothing of the bar.
  hostBar.visible = false;
  EXPECT_EQ(Chord({VK_CONTROL, VK_SHIFT}, 'P').clicks, std::vector<int32_t>{0});
}

TEST_F(ShortcutKeysTest, TheMapFollowsCaptionsAndShortcutsChangedMeanwhile) {
  StartWithShortcuts();
  Button(0).SetShortcutText(u"");
  EXPECT_EQ(Chord({VK_CONTROL, VK_SHIFT}, 'P').clicks, std::vector<int32_t>{4});
  Button(1).SetCaption(u"Refresh&");  // a trailing "&" names no key
  EXPECT_EQ(Chord({VK_MENU}, 'R').delivered, 1);
}

TEST_F(ShortcutKeysTest, AClickThatFailsGoesToHandleError) {
  StartWithShortcuts();
  duringClick = [] { throw com::ComError(E_FAIL, u"click failed"); };
  EXPECT_EQ(Chord({VK_CONTROL, VK_SHIFT}, 'P').delivered, 0);
  EXPECT_EQ(errors->messages.size(), 1u);
}

TEST_F(ShortcutKeysTest, SwitchingOffLeavesNoHookAndNoWindow) {
  StartWithShortcuts();
  const HWND window = ShortcutKeys::Current()->WindowHandle();
  ASSERT_TRUE(input::IsWindowAlive(window));
  module->SetHandleShortcuts(false);
  EXPECT_EQ(ShortcutKeys::Current(), nullptr);
  EXPECT_FALSE(input::IsWindowAlive(window));
  const Outcome outcome = Chord({VK_CONTROL, VK_SHIFT}, 'P');
  EXPECT_TRUE(outcome.clicks.empty());
  EXPECT_EQ(outcome.delivered, 1);

  // A module freed with shortcuts on takes them with it.
  module->SetHandleShortcuts(true);
  const HWND second = ShortcutKeys::Current()->WindowHandle();
  ReleaseModule();
  EXPECT_EQ(ShortcutKeys::Current(), nullptr);
  EXPECT_FALSE(input::IsWindowAlive(second));
}

}  // namespace
}  // namespace corvane::framework::testing
