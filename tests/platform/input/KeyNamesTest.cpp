// Key names as shortcut texts use them.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/Text.h"
#include "platform/input/KeyNames.h"
#include "platform/input/VirtualKeys.h"

namespace corvane::input {
namespace {

TEST(KeyNamesTest, FixedNames) {
  struct Case {
    UINT key;
    const char16_t* name;
  };
  const Case cases[] = {
      {VK_BACK, u"BkSp"},  {VK_TAB, u"Tab"},     {VK_RETURN, u"Enter"}, {VK_ESCAPE, u"Esc"}, {VK_SPACE, u"Space"},
      {VK_PRIOR, u"PgUp"}, {VK_NEXT, u"PgDn"},   {VK_END, u"End"},      {VK_HOME, u"Home"},  {VK_LEFT, u"Left"},
      {VK_UP, u"Up"},      {VK_RIGHT, u"Right"}, {VK_DOWN, u"Down"},    {VK_INSERT, u"Ins"}, {VK_DELETE, u"Del"},
      {'0', u"0"},         {'9', u"9"},          {VK_NUMPAD0, u"0"},    {VK_NUMPAD7, u"7"},  {VK_NUMPAD9, u"9"},
      {'A', u"A"},         {'P', u"P"},          {'Z', u"Z"},           {VK_F1, u"F1"},      {VK_F9, u"F9"},
      {VK_F10, u"F10"},    {VK_F12, u"F12"},     {VK_F24, u"F24"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(KeyName(test.key), test.name) << test.key;
  }
}

TEST(KeyNamesTest, OtherKeysComeFromTheLayout) {
  // Punctuation is named by its character on a US layout, whatever else
  // the layout calls its keys.
  EXPECT_EQ(KeyName(VK_OEM_1), u";");
  EXPECT_EQ(KeyName(VK_OEM_2), u"/");
  EXPECT_FALSE(KeyName(VK_MULTIPLY).empty());
  EXPECT_FALSE(KeyName(VK_CAPITAL).empty());
  EXPECT_TRUE(KeyName(0xFF).empty());
}

}  // namespace
}  // namespace corvane::input
