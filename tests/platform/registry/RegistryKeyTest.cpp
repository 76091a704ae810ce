// Keys of the registry object: opening, paths, existence, deletion, roots
// and read-only access.
#include <gtest/gtest.h>

#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"

namespace corvane::registry {
namespace {

using Names = std::vector<std::u16string>;

class RegistryKeyTest : public ::testing::Test {
 protected:
  ScratchRegistry scratch_;
  Registry registry_{HKEY_CURRENT_USER};
};

TEST_F(RegistryKeyTest, OpenWithoutCreateFindsOnlyExistingKeys) {
  EXPECT_FALSE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Missing", false));
  EXPECT_FALSE(registry_.HasOpenKey());
  EXPECT_FALSE(registry_.KeyExists(u"\\Software\\Corvane Tests\\Missing"));
  EXPECT_FALSE(registry_.KeyExists(u"\\Software\\Corvane Tests"));

  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Deep\\Below", true));
  EXPECT_TRUE(registry_.HasOpenKey());
  EXPECT_EQ(registry_.CurrentPath(), u"Software\\Corvane Tests\\Deep\\Below");
  EXPECT_TRUE(registry_.KeyExists(u"\\Software\\Corvane Tests\\Deep"));
  registry_.CloseKey();
  EXPECT_FALSE(registry_.HasOpenKey());
  EXPECT_EQ(registry_.CurrentPath(), u"");
  EXPECT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Deep\\Below", false));
}

TEST_F(RegistryKeyTest, RelativePathsStartAtTheOpenKey) {
  ASSERT_TRUE(registry_.OpenKey(u"Software\\Corvane Tests", true));  // no key open: from the root
  EXPECT_EQ(registry_.CurrentPath(), u"Software\\Corvane Tests");
  ASSERT_TRUE(registry_.OpenKey(u"Addin\\Controls", true));
  EXPECT_EQ(registry_.CurrentPath(), u"Software\\Corvane Tests\\Addin\\Controls");
  registry_.WriteInteger(u"Revision", 3);
  EXPECT_TRUE(registry_.KeyExists(u"\\Software\\Corvane Tests\\Addin\\Controls"));
  EXPECT_FALSE(registry_.KeyExists(u"Addin"));  // relative to ...\Controls

  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Addin", false));
  EXPECT_TRUE(registry_.KeyExists(u"Controls"));
  ASSERT_TRUE(registry_.OpenKey(u"Controls", false));
  EXPECT_EQ(registry_.ReadInteger(u"Revision"), 3);
}

TEST_F(RegistryKeyTest, KeyNamesIgnoreCaseAndKeepTheFirstSpelling) {
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\CommandBars", true));
  registry_.WriteInteger(u"Bar", 1);
  ASSERT_TRUE(registry_.OpenKey(u"\\SOFTWARE\\corvane tests\\COMMANDBARS", true));
  EXPECT_EQ(registry_.ReadInteger(u"bar"), 1);
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests", false));
  EXPECT_EQ(registry_.GetKeyNames(), Names{u"CommandBars"});
}

TEST_F(RegistryKeyTest, SubkeyNamesComeInAlphabeticalOrderIgnoringCase) {
  for (const char16_t* name : {u"delta", u"Bravo", u"alpha", u"Charlie"}) {
    ASSERT_TRUE(registry_.OpenKey(std::u16string(u"\\Software\\Corvane Tests\\") + name, true));
  }
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests", false));
  EXPECT_EQ(registry_.GetKeyNames(), (Names{u"alpha", u"Bravo", u"Charlie", u"delta"}));
}

TEST_F(RegistryKeyTest, DeleteKeyRemovesTheWholeSubtreeOnly) {
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Addin\\CommandBars\\Nested", true));
  registry_.WriteString(u"Deep", u"value");
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Addin\\Controls", true));
  registry_.WriteInteger(u"Tag", 1);
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Addin", false));
  registry_.WriteString(u"KVXStartMode", u"NORMAL");

  EXPECT_TRUE(registry_.DeleteKey(u"COMMANDBARS"));
  EXPECT_FALSE(registry_.KeyExists(u"\\Software\\Corvane Tests\\Addin\\CommandBars\\Nested"));
  EXPECT_FALSE(registry_.KeyExists(u"CommandBars"));
  EXPECT_TRUE(registry_.KeyExists(u"Controls"));
  EXPECT_EQ(registry_.ReadString(u"KVXStartMode"), u"NORMAL");
  EXPECT_FALSE(registry_.DeleteKey(u"CommandBars"));
  EXPECT_FALSE(registry_.DeleteKey(u"\\Software\\Corvane Tests\\Never"));
  EXPECT_FALSE(registry_.DeleteKey(u""));

  EXPECT_TRUE(registry_.DeleteKey(u"\\Software\\Corvane Tests"));
  EXPECT_FALSE(registry_.KeyExists(u"\\Software\\Corvane Tests"));
}

TEST_F(RegistryKeyTest, ReadOnlyKeyReadsButRefusesWrites) {
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Locked", true));
  registry_.WriteString(u"Kept", u"value");
  registry_.CloseKey();

  Registry reader(HKEY_CURRENT_USER);
  EXPECT_FALSE(reader.OpenKeyReadOnly(u"\\Software\\Corvane Tests\\Absent"));
  ASSERT_TRUE(reader.OpenKeyReadOnly(u"\\Software\\Corvane Tests\\Locked"));
  EXPECT_EQ(reader.ReadString(u"Kept"), u"value");
  EXPECT_EQ(reader.GetValueNames(), Names{u"Kept"});
  EXPECT_THROW(reader.WriteString(u"New", u"x"), RegistryError);
  EXPECT_THROW(reader.WriteInteger(u"Kept", 1), RegistryError);
  EXPECT_FALSE(reader.DeleteValue(u"Kept"));
  EXPECT_EQ(reader.ReadString(u"Kept"), u"value");
  EXPECT_FALSE(reader.ValueExists(u"New"));
}

TEST_F(RegistryKeyTest, ObjectsSeeEachOthersWrites) {
  Registry writer(HKEY_CURRENT_USER);
  ASSERT_TRUE(writer.OpenKey(u"\\Software\\Corvane Tests\\Shared", true));
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\Shared", false));
  writer.WriteString(u"Mode", u"FIRSTSTART");
  EXPECT_EQ(registry_.ReadString(u"Mode"), u"FIRSTSTART");
  registry_.WriteString(u"Mode", u"NORMAL");
  EXPECT_EQ(writer.ReadString(u"Mode"), u"NORMAL");
  EXPECT_TRUE(writer.DeleteValue(u"Mode"));
  EXPECT_FALSE(registry_.ValueExists(u"Mode"));
}

TEST_F(RegistryKeyTest, RootsAreSeparateAndChangingTheRootClosesTheKey) {
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\PerRoot", true));
  registry_.WriteInteger(u"LoadBehavior", 3);
  registry_.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_EQ(registry_.RootKey(), HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(registry_.HasOpenKey());
  EXPECT_FALSE(registry_.KeyExists(u"\\Software\\Corvane Tests\\PerRoot"));
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\PerRoot", true));
  registry_.WriteInteger(u"LoadBehavior", 0);
  registry_.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests\\PerRoot", false));
  EXPECT_EQ(registry_.ReadInteger(u"LoadBehavior"), 3);
}

// Windows refuses writes through the read-only root handle itself; keys
// opened below it get their own access (the native store refuses those too,
// see RegistryStoreTest).
TEST(ScratchRegistryTest, ReadOnlyRootRefusesValuesOnTheRootAndStillReads) {
  ScratchRegistry scratch;
  Registry registry(HKEY_LOCAL_MACHINE);
  registry.WriteInteger(u"RootValue", 1);
  ASSERT_TRUE(registry.OpenKey(u"\\Software\\Corvane Tests\\Existing", true));
  registry.WriteInteger(u"LoadBehavior", 3);
  registry.CloseKey();
  scratch.MakeReadOnly(HKEY_LOCAL_MACHINE);

  EXPECT_THROW(registry.WriteString(u"AtRoot", u"x"), RegistryError);
  EXPECT_THROW(registry.WriteInteger(u"RootValue", 2), RegistryError);
  EXPECT_FALSE(registry.DeleteValue(u"RootValue"));
  EXPECT_EQ(registry.ReadInteger(u"RootValue"), 1);
  EXPECT_EQ(registry.GetKeyNames(), Names{u"Software"});
  ASSERT_TRUE(registry.OpenKeyReadOnly(u"\\Software\\Corvane Tests\\Existing"));
  EXPECT_EQ(registry.ReadInteger(u"LoadBehavior"), 3);
}

TEST(ScratchRegistryTest, EachScratchRegistryStartsEmptyAndLeavesNothing) {
  {
    ScratchRegistry scratch;
    Registry registry(HKEY_CURRENT_USER);
    ASSERT_TRUE(registry.OpenKey(u"\\Software\\Corvane Scratch Probe", true));
    registry.WriteString(u"Left", u"behind?");
  }
  ScratchRegistry scratch;
  Registry registry(HKEY_CURRENT_USER);
  EXPECT_FALSE(registry.KeyExists(u"\\Software\\Corvane Scratch Probe"));
}

}  // namespace
}  // namespace corvane::registry
