// The start mode from "KVXStartMode" under the add-in's key, and "NORMAL"
// recorded after a first start.
#include <gtest/gtest.h>

#include <optional>

#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

constexpr char16_t kKey[] = u"\\Software\\Corvane\\Addins\\CVFM.eaCVFM";

void WriteStartMode(std::optional<std::u16string> value) {
  registry::Registry reg(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKey(kKey, true));
  if (value) reg.WriteString(u"KVXStartMode", *value);
}

std::optional<std::u16string> StoredStartMode() {
  registry::Registry reg(HKEY_CURRENT_USER);
  if (!reg.OpenKeyReadOnly(kKey) || !reg.ValueExists(u"KVXStartMode")) return std::nullopt;
  return reg.ReadString(u"KVXStartMode");
}

TEST(StartModeTest, TheStoredTextGivesTheMode) {
  struct Case {
    std::optional<std::u16string> stored;
    uint8_t mode;
  };
  const Case cases[] = {
      {std::nullopt, 0},  {u"normal", 1}, {u"NORMAL", 1}, {u"UNINSTALL", 2}, {u"Uninstall", 2},
      {u"FIRSTSTART", 0}, {u"junk", 255}, {u"", 255},     {u"NORMAL ", 255},
  };
  for (const auto& c : cases) {
    registry::ScratchRegistry scratch;
    WriteStartMode(c.stored);
    TTestModule module;
    module.SetAddInKeyPath(kKey);
    ASSERT_TRUE(module.OpenAddInKey());
    module.ReadStartMode();
    EXPECT_EQ(module.StartMode(), c.mode) << (c.stored ? "stored" : "missing");
  }
}

TEST(StartModeTest, NormalIsRecordedOnlyAfterAFirstStart) {
  struct Case {
    std::optional<std::u16string> stored;
    std::optional<std::u16string> after;
  };
  const Case cases[] = {
      {std::nullopt, u"NORMAL"},    {u"FirstStart", u"NORMAL"}, {u"normal", u"normal"},
      {u"UNINSTALL", u"UNINSTALL"}, {u"junk", u"junk"},
  };
  for (const auto& c : cases) {
    registry::ScratchRegistry scratch;
    WriteStartMode(c.stored);
    TTestModule module;
    module.SetAddInKeyPath(kKey);
    module.StartupSequence();  // no host: the registry steps still run
    EXPECT_EQ(StoredStartMode(), c.after);
  }
}

TEST(StartModeTest, WithoutAnAddInKeyNothingIsReadOrWritten) {
  registry::ScratchRegistry scratch;
  TTestModule module;
  EXPECT_FALSE(module.OpenAddInKey());
  module.StartupSequence();
  EXPECT_EQ(module.StartMode(), kvxStartModeFirstStart);
  EXPECT_EQ(StoredStartMode(), std::nullopt);
}

}  // namespace
}  // namespace corvane::framework::testing
