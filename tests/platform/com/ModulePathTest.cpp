// The module that holds an address, and the folder parts of paths.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/com/ModulePath.h"
#include "platform/com/Text.h"
#include "tests/platform/com/TestServerRegistration.h"

namespace {

using namespace corvane::com;

TEST(ModulePath, TestProgramAndTheServerNextToIt) {
  static const int here = 0;
  const std::u16string program = ModulePathOf(&here);
  ASSERT_FALSE(program.empty());
  EXPECT_TRUE(std::filesystem::path(program).is_absolute());
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(program)));
  const std::u16string folder = ModuleFolderOf(&here);
  EXPECT_EQ(program.substr(0, folder.size()), folder);
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(corvane::com::testing::TestServerPath())));
  EXPECT_EQ(ModulePathOf(nullptr), u"");
}

TEST(ModulePath, FolderOfPath) {
  const struct {
    const char16_t* path;
    const char16_t* folder;
  } rows[] = {
      {u"/usr/lib/libx.so", u"/usr/lib"}, {u"/libx.so", u"/"}, {u"C:\\Office\\addin.dll", u"C:\\Office"},
      {u"C:\\addin.dll", u"C:\\"},        {u"addin.dll", u""}, {u"dir/sub\\file", u"dir/sub"},
  };
  for (const auto& row : rows) EXPECT_EQ(FolderOfPath(row.path), row.folder) << Utf16ToUtf8(row.path);
}

}  // namespace
