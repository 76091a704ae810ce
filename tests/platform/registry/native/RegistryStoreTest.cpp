// The portable store's files: what is on disk, atomic rewrites, damaged
// files, read-only roots and other processes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/registry/portable/RootFile.h"
#include "platform/registry/portable/Store.h"

namespace corvane::registry {
namespace {

namespace fs = std::filesystem;
using portable::RootFile;
using portable::Store;

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

class RegistryStoreTest : public ::testing::Test {
 protected:
  fs::path UserFile() const { return Store::FileOf(HKEY_CURRENT_USER); }

  ScratchRegistry scratch_;
  Registry registry_{HKEY_CURRENT_USER};
};

TEST_F(RegistryStoreTest, HandWrittenFileIsReadWithEscapesAndSurvivesARewrite) {
  const std::string text =
      "corvane-registry 1\n"
      "; a comment\n"
      "\n"
      "[Software\\Odd%005Dname%0025\\Tool]\r\n"
      "@=string:\"default\"\n"
      "\"Title\"=string:\"caf\xC3\xA9 \\\"q\\\" \\\\ \\u0001 \\uD800 \xF0\x9F\x98\x80\"\n"
      "\"Count\"=dword:4294967295\n";
  WriteFile(UserFile(), text);
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Odd]name%\\Tool", false));
  EXPECT_EQ(registry_.ReadString(u""), u"default");
  EXPECT_EQ(registry_.ReadString(u"Title"), u"caf\u00e9 \"q\" \\ \u0001 \xD800 \U0001F600");
  EXPECT_EQ(registry_.ReadInteger(u"Count"), -1);

  registry_.WriteInteger(u"Added", 1);
  RootFile reopened(UserFile());  // a fresh reader of the rewritten file
  const portable::Key* key = reopened.Read().Descend({u"software", u"ODD]NAME%", u"tool"});
  ASSERT_NE(key, nullptr);
  ASSERT_EQ(key->values().size(), 4u);
  EXPECT_EQ(key->values()[1].text, u"caf\u00e9 \"q\" \\ \u0001 \xD800 \U0001F600");
  EXPECT_EQ(key->values()[3].name, u"Added");
}

TEST_F(RegistryStoreTest, WritesLeaveNoTemporaryFileAndAFailedWriteChangesNothing) {
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Corvane Tests", true));
  registry_.WriteString(u"Kept", u"old");
  for (const auto& entry : fs::directory_iterator(UserFile().parent_path())) {
    EXPECT_EQ(entry.path().extension(), ".reg") << entry.path();
  }
  const std::string before = FileText(UserFile());

  fs::create_directory(RootFile::TempFileFor(UserFile()));  // the staging file cannot be created
  EXPECT_THROW(registry_.WriteString(u"Kept", u"new"), RegistryError);
  EXPECT_FALSE(registry_.OpenKey(u"\\Software\\Other", true));
  EXPECT_FALSE(registry_.DeleteKey(u"\\Software"));
  EXPECT_EQ(FileText(UserFile()), before);
  EXPECT_EQ(registry_.ReadString(u"Kept"), u"old");

  fs::remove(RootFile::TempFileFor(UserFile()));
  registry_.WriteString(u"Kept", u"new");
  EXPECT_EQ(registry_.ReadString(u"Kept"), u"new");
}

TEST_F(RegistryStoreTest, DamagedFileIsReportedWithFileAndLineAndLeftUntouched) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"not a header\n", 1},
      {"corvane-registry 2\n", 1},
      {"corvane-registry 1\n[Key]\n\"Name\"=dword:12x\n", 3},
      {"corvane-registry 1\n[Key]\n\"Name\"=dword:4294967296\n", 3},
      {"corvane-registry 1\n\n[Key]\n\"Name\"=string:\"open\n", 4},
      {"corvane-registry 1\n[Key]\n\"Name\"=string:\"bad \\q escape\"\n", 3},
      {"corvane-registry 1\n[Key]\n\"Name\"=binary:00\n", 3},
      {"corvane-registry 1\n[Key]\n\"Name\"=dword:1\n\"NAME\"=dword:2\n", 4},
      {"corvane-registry 1\n[Key\\\\Sub]\n", 2},
      {"corvane-registry 1\n[Key\n", 2},
      {"corvane-registry 1\n[Key%005CSub]\n", 2},
      {"corvane-registry 1\n[Key]\nName=dword:1\n", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    WriteFile(UserFile(), c.text);
    const std::string where = UserFile().string() + ":" + std::to_string(c.line) + ":";
    try {
      registry_.KeyExists(u"\\Key");
      ADD_FAILURE() << "no error";
    } catch (const RegistryError& error) {
      EXPECT_NE(std::string(error.what()).find(where), std::string::npos) << error.what();
    }
    EXPECT_THROW(registry_.OpenKey(u"\\Key", true), RegistryError);
    EXPECT_THROW(registry_.WriteString(u"AtRoot", u"x"), RegistryError);
    EXPECT_EQ(FileText(UserFile()), c.text);
  }
  WriteFile(UserFile(), "corvane-registry 1\n[Key]\n");  // repaired by hand: read again
  EXPECT_TRUE(registry_.KeyExists(u"\\Key"));
}

TEST_F(RegistryStoreTest, ReadOnlyRootKeepsItsFile) {
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Existing", true));
  registry_.WriteInteger(u"Value", 1);
  const std::string before = FileText(UserFile());
  scratch_.MakeReadOnly(HKEY_CURRENT_USER);

  EXPECT_TRUE(registry_.OpenKey(u"\\Software\\Existing", true));  // exists: no write needed
  EXPECT_EQ(registry_.ReadInteger(u"Value"), 1);
  EXPECT_THROW(registry_.WriteInteger(u"Value", 2), RegistryError);
  EXPECT_FALSE(registry_.DeleteValue(u"Value"));
  EXPECT_FALSE(registry_.OpenKey(u"\\Software\\Missing", true));
  EXPECT_EQ(FileText(UserFile()), before);

  Registry machine(HKEY_LOCAL_MACHINE);  // the other roots stay writable
  EXPECT_TRUE(machine.OpenKey(u"\\Software\\Writable", true));
}

TEST_F(RegistryStoreTest, ValueNamesKeepInsertionOrderAsOnWindows) {
  registry_.WriteInteger(u"Zulu", 1);
  registry_.WriteInteger(u"Alpha", 2);
  registry_.WriteString(u"Mike", u"3");
  registry_.WriteInteger(u"alpha", 4);  // rewriting keeps the place
  EXPECT_EQ(registry_.GetValueNames(), (std::vector<std::u16string>{u"Zulu", u"Alpha", u"Mike"}));
  EXPECT_TRUE(registry_.DeleteValue(u"Zulu"));
  registry_.WriteInteger(u"Zulu", 5);
  EXPECT_EQ(registry_.GetValueNames(), (std::vector<std::u16string>{u"Alpha", u"Mike", u"Zulu"}));
}

TEST_F(RegistryStoreTest, AnotherProcessSeesWritesBothWays) {
  ASSERT_TRUE(registry_.OpenKey(u"\\Software\\Shared", true));
  registry_.WriteString(u"FromParent", u"hello");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    Registry other(HKEY_CURRENT_USER);
    const bool ok = other.OpenKey(u"\\Software\\Shared", false) && other.ReadString(u"FromParent") == u"hello";
    if (ok) other.WriteInteger(u"FromChild", 42);
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(registry_.ReadInteger(u"FromChild"), 42);
  EXPECT_EQ(registry_.GetValueNames(), (std::vector<std::u16string>{u"FromParent", u"FromChild"}));
}

TEST(ScratchRegistryNativeTest, PointsTheStoreAtAFreshFolderAndRestoresThePrevious) {
  const fs::path outer = Store::Folder();
  fs::path inner;
  {
    ScratchRegistry scratch;
    inner = Store::Folder();
    EXPECT_NE(inner, outer);
    EXPECT_TRUE(fs::is_empty(inner));
    Registry(HKEY_CLASSES_ROOT).WriteString(u"Probe", u"x");
    EXPECT_TRUE(fs::exists(inner / "HKEY_CLASSES_ROOT.reg"));
  }
  EXPECT_EQ(Store::Folder(), outer);
  EXPECT_FALSE(fs::exists(inner));
}

}  // namespace
}  // namespace corvane::registry
