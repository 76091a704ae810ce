// RegisterTypeLib writes the type library and interface keys Windows
// writes; UnRegisterTypeLib removes them again.
#include <gtest/gtest.h>

#include "platform/com/ComPtr.h"
#include "platform/com/ModulePath.h"
#include "platform/com/OwnTypeLib.h"
#include "platform/com/Text.h"
#include "platform/registry/ScratchRegistry.h"
#include "tests/platform/com/TestServerRegistration.h"
#include "tests/platform/testserver/TestServerTypeLib.h"

namespace {

using corvane::com::AsciiEqualNoCase;
using corvane::com::ComPtr;
using corvane::com::ole_mutable;
using corvane::com::testing::ClassesRootKeyExists;
using corvane::com::testing::GuidString;
using corvane::com::testing::ReadClassesRoot;
using corvane::com::testing::TestServerPath;
using namespace corvane::testserver;

// A pure dispinterface is marshalled by the dispatch marshaler.
constexpr char16_t kDispatchMarshaler[] = u"{00020420-0000-0000-C000-000000000046}";

class TypeLibRegistration : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(LoadOwnTypeLib(path_, TestServerTypeLib(), lib_.put()), S_OK);
    TLIBATTR* attr = nullptr;
    ASSERT_EQ(lib_->GetLibAttr(&attr), S_OK);
    syskind_ = attr->syskind;
    lib_->ReleaseTLibAttr(attr);
  }
  void TearDown() override {
    // Whatever a failed test left behind.
    UnRegisterTypeLib(kTypeLibId, 1, 0, 0x0409, syskind_);
  }

  HRESULT Unregister() { return UnRegisterTypeLib(kTypeLibId, 1, 0, 0x0409, syskind_); }

  corvane::registry::ScratchRegistry scratch_;
  const std::u16string path_ = TestServerPath();
  const std::u16string libraryKey_ = u"TypeLib\\" + GuidString(kTypeLibId);
  const std::u16string versionKey_ = libraryKey_ + u"\\1.0";
  const std::u16string interfaceKey_ = u"Interface\\" + GuidString(kCounterDispatchIid);
  ComPtr<ITypeLib> lib_;
  SYSKIND syskind_ = SYS_WIN32;
};

TEST_F(TypeLibRegistration, WritesTheLibraryKeys) {
  ASSERT_EQ(RegisterTypeLib(lib_.get(), ole_mutable(path_), nullptr), S_OK);
  const std::u16string platform = syskind_ == SYS_WIN64 ? u"win64" : u"win32";
  struct Row {
    std::u16string key;
    std::u16string expected;
  };
  const Row rows[] = {
      {versionKey_, u"Corvane Test Server Library"},
      {versionKey_ + u"\\HELPDIR", corvane::com::FolderOfPath(path_)},
      {versionKey_ + u"\\409\\" + platform, path_},
  };
  for (const auto& row : rows) {
    const std::u16string actual = ReadClassesRoot(row.key);
    EXPECT_TRUE(AsciiEqualNoCase(actual, row.expected))
        << corvane::com::Utf16ToUtf8(row.key) << " is " << corvane::com::Utf16ToUtf8(actual);
  }
  // The library has no flags of its own. Windows leaves out the "has disk
  // image" bit of the loaded library; Wine writes it.
  const std::u16string flags = ReadClassesRoot(versionKey_ + u"\\FLAGS");
  EXPECT_TRUE(flags == u"0" || flags == u"8") << corvane::com::Utf16ToUtf8(flags);
}

TEST_F(TypeLibRegistration, WritesTheDispatchInterfaceButNotTheCoclass) {
  ASSERT_EQ(RegisterTypeLib(lib_.get(), ole_mutable(path_), nullptr), S_OK);
  EXPECT_EQ(ReadClassesRoot(interfaceKey_), u"DCounter");
  EXPECT_EQ(ReadClassesRoot(interfaceKey_ + u"\\ProxyStubClsid"), kDispatchMarshaler);
  EXPECT_EQ(ReadClassesRoot(interfaceKey_ + u"\\ProxyStubClsid32"), kDispatchMarshaler);
  EXPECT_TRUE(AsciiEqualNoCase(ReadClassesRoot(interfaceKey_ + u"\\TypeLib"), GuidString(kTypeLibId)));
  EXPECT_EQ(ReadClassesRoot(interfaceKey_ + u"\\TypeLib", u"Version"), u"1.0");
  EXPECT_FALSE(ClassesRootKeyExists(u"Interface\\" + GuidString(kCounterClsid)));
}

TEST_F(TypeLibRegistration, HelpFolderIsTakenAsGiven) {
  const std::u16string help = corvane::com::FolderOfPath(path_);
  ASSERT_EQ(RegisterTypeLib(lib_.get(), ole_mutable(path_), ole_mutable(help)), S_OK);
  EXPECT_TRUE(AsciiEqualNoCase(ReadClassesRoot(versionKey_ + u"\\HELPDIR"), help));
}

TEST_F(TypeLibRegistration, UnregisterRemovesExactlyWhatWasWritten) {
  ASSERT_EQ(RegisterTypeLib(lib_.get(), ole_mutable(path_), nullptr), S_OK);
  ASSERT_EQ(Unregister(), S_OK);
  EXPECT_FALSE(ClassesRootKeyExists(libraryKey_));
  EXPECT_FALSE(ClassesRootKeyExists(interfaceKey_));
  EXPECT_TRUE(ClassesRootKeyExists(u"TypeLib"));
  EXPECT_TRUE(ClassesRootKeyExists(u"Interface"));
  EXPECT_TRUE(FAILED(Unregister()));
}

TEST_F(TypeLibRegistration, BadArgumentsAreRefused) {
  EXPECT_EQ(RegisterTypeLib(nullptr, ole_mutable(path_), nullptr), E_INVALIDARG);
  EXPECT_EQ(RegisterTypeLib(lib_.get(), nullptr, nullptr), E_INVALIDARG);
  EXPECT_FALSE(ClassesRootKeyExists(libraryKey_));
}

}  // namespace
