// Values of the registry object: round trips, names, order and types.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"

namespace corvane::registry {
namespace {

class RegistryValueTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Values", true)); }

  ScratchRegistry scratch_;
  Registry registry_{HKEY_CURRENT_USER};
};

TEST_F(RegistryValueTest, StringsRoundTripThroughAnotherObject) {
  const std::u16string texts[] = {
      u"plain",
      u"",
      u"caf\u00e9 \u00fcber \u00df",
      u"\u65e5\u672c\u8a9e \u0416\u0438\u0437\u043d\u044c",
      u"pair \U0001F600 end",
      u"quote \" backslash \\ brackets [x] percent %41 at @",
      u"line\r\nbreak\ttab",
      std::u16string(3000, u'x'),
  };
  for (const auto& text : texts) {
    registry_.WriteString(u"Text", text);
    Registry other(HKEY_CURRENT_USER);
    ASSERT_TRUE(other.OpenKey(u"\\Software\\Corvane Tests\\Values", false));
    EXPECT_EQ(other.ReadString(u"Text"), text);
  }
}

TEST_F(RegistryValueTest, IntegersRoundTripWithTheirSign) {
  for (int32_t number : {0, 1, -1, 42, INT32_MIN, INT32_MAX}) {
    registry_.WriteInteger(u"Number", number);
    Registry other(HKEY_CURRENT_USER);
    ASSERT_TRUE(other.OpenKey(u"\\Software\\Corvane Tests\\Values", false));
    EXPECT_EQ(other.ReadInteger(u"Number"), number);
  }
}

TEST_F(RegistryValueTest, NamesIgnoreCaseAndKeepTheFirstSpelling) {
  registry_.WriteString(u"StartMode", u"FIRSTSTART");
  registry_.WriteString(u"STARTMODE", u"NORMAL");
  EXPECT_TRUE(registry_.ValueExists(u"startmode"));
  EXPECT_EQ(registry_.ReadString(u"sTaRtMoDe"), u"NORMAL");
  EXPECT_EQ(registry_.GetValueNames(), std::vector<std::u16string>{u"StartMode"});
  registry_.WriteString(u"Caf\u00c9", u"accented");
  EXPECT_EQ(registry_.ReadString(u"caf\u00e9"), u"accented");
  EXPECT_TRUE(registry_.DeleteValue(u"STARTmode"));
  EXPECT_FALSE(registry_.ValueExists(u"StartMode"));
}

TEST_F(RegistryValueTest, EmptyNameIsTheDefaultValue) {
  EXPECT_FALSE(registry_.ValueExists(u""));
  registry_.WriteString(u"", u"default text");
  registry_.WriteString(u"Other", u"other text");
  EXPECT_TRUE(registry_.ValueExists(u""));
  EXPECT_EQ(registry_.ReadString(u""), u"default text");
  EXPECT_EQ(registry_.ReadString(u"Other"), u"other text");
  EXPECT_EQ(registry_.GetValueNames(), (std::vector<std::u16string>{u"", u"Other"}));
  EXPECT_TRUE(registry_.DeleteValue(u""));
  EXPECT_FALSE(registry_.ValueExists(u""));
}

// Windows keeps insertion order, Wine keeps names sorted: both list every
// value once, and rewriting or re-adding one does not repeat it.
TEST_F(RegistryValueTest, NamesListEveryValueOnce) {
  registry_.WriteInteger(u"Zulu", 1);
  registry_.WriteInteger(u"Alpha", 2);
  registry_.WriteString(u"Mike", u"3");
  registry_.WriteInteger(u"alpha", 4);
  EXPECT_THAT(registry_.GetValueNames(), ::testing::UnorderedElementsAre(u"Zulu", u"Alpha", u"Mike"));
  EXPECT_TRUE(registry_.DeleteValue(u"Zulu"));
  registry_.WriteInteger(u"ZULU", 5);
  EXPECT_THAT(registry_.GetValueNames(), ::testing::UnorderedElementsAre(u"Alpha", u"Mike", u"ZULU"));
}

TEST_F(RegistryValueTest, ReadingTheOtherTypeFailsWithTheValueName) {
  registry_.WriteString(u"Mode", u"NORMAL");
  registry_.WriteInteger(u"Revision", 7);
  const struct {
    std::u16string name;
    bool asInteger;
    const char* message;
  } cases[] = {
      {u"Mode", true, "Invalid data type for 'Mode'"},
      {u"Revision", false, "Invalid data type for 'Revision'"},
      {u"Missing", true, "Failed to get data for 'Missing'"},
  };
  for (const auto& c : cases) {
    try {
      if (c.asInteger) {
        registry_.ReadInteger(c.name);
      } else {
        registry_.ReadString(c.name);
      }
      ADD_FAILURE() << c.message << ": no error";
    } catch (const RegistryError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
  EXPECT_EQ(registry_.ReadString(u"Missing"), u"");
}

TEST_F(RegistryValueTest, ChangingTheTypeReplacesTheValue) {
  registry_.WriteString(u"Value", u"text");
  registry_.WriteInteger(u"Value", 12);
  EXPECT_EQ(registry_.ReadInteger(u"Value"), 12);
  EXPECT_THROW(registry_.ReadString(u"Value"), RegistryError);
  registry_.WriteString(u"Value", u"again");
  EXPECT_EQ(registry_.ReadString(u"Value"), u"again");
  EXPECT_EQ(registry_.GetValueNames().size(), 1u);
}

TEST_F(RegistryValueTest, DeleteValueSaysWhetherThereWasOne) {
  registry_.WriteInteger(u"Gone", 1);
  EXPECT_TRUE(registry_.DeleteValue(u"Gone"));
  EXPECT_FALSE(registry_.DeleteValue(u"Gone"));
  EXPECT_FALSE(registry_.DeleteValue(u"NeverThere"));
}

}  // namespace
}  // namespace corvane::registry
