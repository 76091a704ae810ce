// Behaviour of the native runtime that the system's own runtime shows only
// indirectly: exact loader failures, weak entries, concurrent use, and the
// described type library's own checks.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/ModulePath.h"
#include "platform/com/OwnTypeLib.h"
#include "platform/com/Text.h"
#include "platform/registry/ScratchRegistry.h"
#include "tests/platform/com/Probe.h"
#include "tests/platform/com/TestServerRegistration.h"
#include "tests/platform/testserver/TestServerTypeLib.h"

namespace {

using corvane::com::ComPtr;
using corvane::com::Make;
using corvane::com::ole_mutable;
using corvane::com::testing::ClassesRootKeyExists;
using corvane::com::testing::GuidString;
using corvane::com::testing::Probe;
using corvane::com::testing::TestServerPath;
using corvane::com::testing::TestServerRegistration;

// {C4D2A1E3-0B5F-4E67-9A8C-7D1E3F5B2A64}
constexpr CLSID kNativeClass = {0xC4D2A1E3, 0x0B5F, 0x4E67, {0x9A, 0x8C, 0x7D, 0x1E, 0x3F, 0x5B, 0x2A, 0x64}};

TEST(NativeActivation, LoaderFailuresGiveWindowsResults) {
  corvane::registry::ScratchRegistry scratch;
  TestServerRegistration registration;
  const struct {
    std::u16string path;
    HRESULT expected;
  } rows[] = {
      {TestServerPath() + u".missing", HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND)},
      // A library without DllGetClassObject: the runtime itself.
      {corvane::com::ModulePathOf(reinterpret_cast<const void*>(&CoFreeUnusedLibraries)), CO_E_ERRORINDLL},
  };
  for (const auto& row : rows) {
    registration.AddClass(kNativeClass, row.path);
    ComPtr<IUnknown> object;
    EXPECT_EQ(CoCreateInstance(kNativeClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void()),
              row.expected);
    EXPECT_EQ(object, nullptr);
  }
}

TEST(NativeRunningObjectTable, WeakEntryTakesNoReference) {
  auto probe = Make<Probe>();
  const ULONG before = probe->References();
  DWORD cookie = 0;
  ASSERT_EQ(RegisterActiveObject(probe.get(), kNativeClass, ACTIVEOBJECT_WEAK, &cookie), S_OK);
  EXPECT_EQ(probe->References(), before);
  ASSERT_EQ(RegisterActiveObject(probe.get(), kNativeClass, ACTIVEOBJECT_STRONG | 0x10, &cookie), E_INVALIDARG);
  EXPECT_EQ(RevokeActiveObject(cookie, nullptr), S_OK);
}

TEST(NativeRunningObjectTable, ConcurrentRegistrationsKeepTheirOwnEntries) {
  const int before = Probe::live();
  std::vector<std::thread> threads;
  std::atomic<int> failures{0};
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &failures] {
      CLSID clsid = kNativeClass;
      clsid.Data2 = static_cast<WORD>(t + 1);
      for (int i = 0; i < 200; ++i) {
        auto probe = Make<Probe>();
        DWORD cookie = 0;
        ComPtr<IUnknown> found;
        if (RegisterActiveObject(probe.get(), clsid, ACTIVEOBJECT_STRONG, &cookie) != S_OK) ++failures;
        if (GetActiveObject(clsid, nullptr, found.put()) != S_OK || found.get() != probe.get()) ++failures;
        if (RevokeActiveObject(cookie, nullptr) != S_OK) ++failures;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(Probe::live(), before);
}

TEST(NativeOwnTypeLib, DescriptionReferringToAMissingTypeIsRefused) {
  auto description = corvane::testserver::TestServerTypeLib();
  description.types.erase(description.types.begin());  // the coclass's interface
  ComPtr<ITypeLib> lib;
  EXPECT_EQ(LoadOwnTypeLib(TestServerPath(), description, lib.put()), E_INVALIDARG);
  EXPECT_EQ(lib, nullptr);
}

TEST(NativeTypeLibRegistration, AnotherVersionKeepsTheLibraryKey) {
  corvane::registry::ScratchRegistry scratch;
  auto first = corvane::testserver::TestServerTypeLib();
  auto second = first;
  second.majorVersion = 2;
  ComPtr<ITypeLib> one, two;
  ASSERT_EQ(LoadOwnTypeLib(TestServerPath(), first, one.put()), S_OK);
  ASSERT_EQ(LoadOwnTypeLib(TestServerPath(), second, two.put()), S_OK);
  const std::u16string path = TestServerPath();
  ASSERT_EQ(RegisterTypeLib(one.get(), ole_mutable(path), nullptr), S_OK);
  ASSERT_EQ(RegisterTypeLib(two.get(), ole_mutable(path), nullptr), S_OK);
  const std::u16string libraryKey = u"TypeLib\\" + GuidString(first.guid);
  const std::u16string interfaceKey = u"Interface\\" + GuidString(corvane::testserver::kCounterDispatchIid);

  // The interface now belongs to version 2.0, which registered it last.
  ASSERT_EQ(UnRegisterTypeLib(first.guid, 1, 0, first.lcid, first.syskind), S_OK);
  EXPECT_FALSE(ClassesRootKeyExists(libraryKey + u"\\1.0"));
  EXPECT_TRUE(ClassesRootKeyExists(libraryKey + u"\\2.0"));
  EXPECT_TRUE(ClassesRootKeyExists(interfaceKey));

  ASSERT_EQ(UnRegisterTypeLib(first.guid, 2, 0, first.lcid, first.syskind), S_OK);
  EXPECT_FALSE(ClassesRootKeyExists(libraryKey));
  EXPECT_FALSE(ClassesRootKeyExists(interfaceKey));
}

}  // namespace
