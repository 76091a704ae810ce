// The portable US layout: scan codes and the names Windows' US layout gives.
#include <gtest/gtest.h>

#include "platform/input/KeyNames.h"
#include "platform/input/KeyboardLayout.h"
#include "platform/input/VirtualKeys.h"

namespace corvane::input {
namespace {

TEST(UsLayoutTest, ScanCodes) {
  struct Case {
    UINT key;
    UINT scan;
  };
  const Case cases[] = {
      {VK_ESCAPE, 0x01}, {'1', 0x02},      {'0', 0x0B},        {'Q', 0x10},      {'P', 0x19},
      {'A', 0x1E},       {'L', 0x26},      {'Z', 0x2C},        {'M', 0x32},      {VK_LCONTROL, 0x1D},
      {VK_RSHIFT, 0x36}, {VK_SPACE, 0x39}, {VK_F1, 0x3B},      {VK_F10, 0x44},   {VK_F11, 0x57},
      {VK_F13, 0x64},    {VK_RIGHT, 0x4D}, {VK_NUMPAD0, 0x52}, {VK_OEM_3, 0x29}, {VK_DIVIDE, 0x35},
  };
  for (const Case& test : cases) EXPECT_EQ(ScanCodeOf(test.key), test.scan) << test.key;
}

TEST(UsLayoutTest, NamesOfKeysWithoutAFixedName) {
  struct Case {
    UINT key;
    const char16_t* name;
  };
  const Case cases[] = {
      {VK_CONTROL, u"Ctrl"}, {VK_RCONTROL, u"Right Ctrl"}, {VK_SHIFT, u"Shift"},
      {VK_MENU, u"Alt"},     {VK_CAPITAL, u"Caps Lock"},   {VK_MULTIPLY, u"Num *"},
      {VK_ADD, u"Num +"},    {VK_DECIMAL, u"Num Del"},     {VK_OEM_PLUS, u"="},
      {VK_OEM_5, u"\\"},     {VK_APPS, u"Application"},    {VK_PAUSE, u"Pause"},
  };
  for (const Case& test : cases) EXPECT_EQ(KeyName(test.key), test.name) << test.key;
}

}  // namespace
}  // namespace corvane::input
