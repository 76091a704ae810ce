// The key data a keyboard hook receives for presses, repeats and releases.
#include <gtest/gtest.h>

#include <vector>

#include "platform/input/KeyData.h"
#include "platform/input/KeyboardHook.h"
#include "platform/input/KeyboardLayout.h"
#include "platform/input/SyntheticKeyboard.h"
#include "platform/input/VirtualKeys.h"
#include "platform/input/WindowMessages.h"

namespace corvane::input {
namespace {

struct Seen {
  WPARAM key;
  KeyData data;
};

// Records what the hook gets and passes everything on.
class KeyDataTest : public ::testing::Test {
 protected:
  SyntheticKeyboard keyboard;
  std::vector<Seen> seen;
  KeyboardHook hook{[this](int code, WPARAM key, LPARAM data) {
    if (code == HC_ACTION) seen.push_back({key, KeyData::Unpack(data)});
    return hook.CallNext(code, key, data);
  }};
};

TEST_F(KeyDataTest, PressRepeatRelease) {
  keyboard.Press('P');
  keyboard.Press('P');
  keyboard.Press('P');
  keyboard.Release('P');
  const UINT scan = ScanCodeOf('P');
  const std::vector<KeyData> expected{
      {1, scan, false, false, false, false},  // first press
      {1, scan, false, false, true, false},   // repeats: the key was down
      {1, scan, false, false, true, false},
      {1, scan, false, false, true, true},  // release
  };
  ASSERT_EQ(seen.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(seen[i].key, static_cast<WPARAM>('P')) << i;
    EXPECT_EQ(seen[i].data, expected[i]) << i;
  }
  // What the host got carries the same data.
  ASSERT_EQ(keyboard.Delivered().size(), 4u);
  EXPECT_EQ(keyboard.Delivered()[3].keyData, expected[3].Pack());
}

TEST_F(KeyDataTest, ExtendedKeysAndSidedModifiers) {
  struct Case {
    UINT pressed;
    WPARAM reported;
    bool extended;
  };
  const Case cases[] = {
      {VK_RIGHT, VK_RIGHT, true},      {VK_DELETE, VK_DELETE, true}, {VK_LCONTROL, VK_CONTROL, false},
      {VK_RCONTROL, VK_CONTROL, true}, {VK_LSHIFT, VK_SHIFT, false}, {VK_F5, VK_F5, false},
  };
  for (const Case& test : cases) {
    seen.clear();
    keyboard.Tap(test.pressed);
    ASSERT_EQ(seen.size(), 2u) << test.pressed;
    EXPECT_EQ(seen[0].key, test.reported) << test.pressed;
    EXPECT_EQ(seen[0].data.extended, test.extended) << test.pressed;
    EXPECT_EQ(seen[1].data.extended, test.extended) << test.pressed;
    EXPECT_TRUE(seen[1].data.released) << test.pressed;
  }
}

TEST_F(KeyDataTest, AltMakesSystemKeys) {
  keyboard.Press(VK_MENU);
  keyboard.Press('R');
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].key, static_cast<WPARAM>(VK_MENU));
  EXPECT_TRUE(seen[0].data.altDown);
  EXPECT_TRUE(seen[1].data.altDown);
  ASSERT_EQ(keyboard.Delivered().size(), 2u);
  EXPECT_EQ(keyboard.Delivered()[0].message, static_cast<UINT>(WM_SYSKEYDOWN));
  EXPECT_EQ(keyboard.Delivered()[1].message, static_cast<UINT>(WM_SYSKEYDOWN));
}

// Values taken from a keyboard hook on Windows' input path.
TEST(KeyDataLayoutTest, UnpacksWindowsKeyData) {
  struct Case {
    LPARAM data;
    KeyData key;
  };
  const Case cases[] = {
      {0x001D0001, {1, 0x1D, false, false, false, false}},                      // Ctrl down
      {0x40190001, {1, 0x19, false, false, true, false}},                       // P repeat
      {static_cast<LPARAM>(0xC0190001u), {1, 0x19, false, false, true, true}},  // P up
      {0x014D0001, {1, 0x4D, true, false, false, false}},                       // Right arrow down
      {0x20130001, {1, 0x13, false, true, false, false}},                       // R with Alt held
      {0x00100005, {5, 0x10, false, false, false, false}},                      // repeat count 5
  };
  for (const Case& test : cases) {
    EXPECT_EQ(KeyData::Unpack(test.data), test.key) << std::hex << test.data;
    EXPECT_EQ(test.key.Pack(), test.data) << std::hex << test.data;
  }
}

}  // namespace
}  // namespace corvane::input
