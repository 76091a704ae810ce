// DllRegisterServer's and DllUnregisterServer's work on the server built in
// this program: the class entries, the add-in key, the type library, and
// what a second pass, a missing Excel or a read-only hive do to them.
#include <gtest/gtest.h>

#include "framework/hosting/ClassRegistration.h"
#include "platform/com/ComError.h"
#include "platform/com/ModulePath.h"
#include "tests/hosting/ServerFixture.h"

namespace corvane::framework::testing {
namespace {

using Entry = std::tuple<std::u16string, std::u16string, std::u16string>;

std::vector<Entry> ExpectedClassEntries(const std::u16string& serverPath) {
  const std::u16string key = kClassKey;
  return {
      {key, u"", addin::kEaCVFMHelp},
      {key + u"\\InprocServer32", u"", RegisteredServerPath(serverPath)},
      {key + u"\\InprocServer32", u"ThreadingModel", u"Apartment"},
      {key + u"\\ProgID", u"", kProgId},
      {key + u"\\TypeLib", u"", u"{B4A1B742-28F6-413B-A826-6D8AA323AF38}"},
      {key + u"\\Version", u"", u"1.0"},
      {u"\\CVFM.eaCVFM", u"", addin::kEaCVFMHelp},
      {u"\\CVFM.eaCVFM\\Clsid", u"", u"{0D97D3D1-31A9-43F0-AE86-840E4F5C4009}"},
  };
}

void ExpectClassEntries(const std::u16string& serverPath) {
  for (const auto& [key, name, data] : ExpectedClassEntries(serverPath)) {
    SCOPED_TRACE(com::Utf16ToUtf8(key + u" " + name));
    EXPECT_EQ(StringAt(HKEY_CLASSES_ROOT, key, name), data);
  }
}

void ExpectAddinValues(HKEY root) {
  EXPECT_EQ(StringAt(root, kAddinKey, u"FriendlyName"), u"Corvane");
  EXPECT_EQ(StringAt(root, kAddinKey, u"Description"), u"Desc");
  EXPECT_EQ(IntegerAt(root, kAddinKey, u"LoadBehavior"), 3);
  EXPECT_EQ(IntegerAt(root, kAddinKey, u"CommandLineSafe"), 0);
}

bool TypeLibRegistered() {
  return KeyExists(HKEY_CLASSES_ROOT, std::u16string(u"\\TypeLib\\{B4A1B742-28F6-413B-A826-6D8AA323AF38}\\1.0\\409\\") +
                                          (sizeof(void*) == 8 ? u"win64" : u"win32"));
}

using RegistrationTest = ServerTest;

TEST_F(RegistrationTest, RegisteringWritesTheClassEntriesTheAddinKeyAndTheTypeLibrary) {
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ExpectClassEntries(server->ServerFileName());
  ExpectAddinValues(HKEY_CURRENT_USER);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAddinKey));
  EXPECT_TRUE(TypeLibRegistered());
  EXPECT_EQ(StringAt(HKEY_CLASSES_ROOT, u"\\TypeLib\\{B4A1B742-28F6-413B-A826-6D8AA323AF38}\\1.0\\HELPDIR", u""),
            com::FolderOfPath(server->ServerFileName()));
  // Nothing of the start-up's own values yet.
  EXPECT_EQ(StringAt(HKEY_CURRENT_USER, kAddinKey, u"KVXStartMode"), std::nullopt);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(RegistrationTest, UnregisteringRemovesAllOfItAndASecondPassStillSucceeds) {
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ASSERT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, u"\\CVFM.eaCVFM"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
  EXPECT_FALSE(TypeLibRegistered());
  // The type library is gone already: the rest must still be removed.
  ASSERT_EQ(server->RegisterServer(), S_OK);
  registry::Registry classes(HKEY_CLASSES_ROOT);
  ASSERT_TRUE(classes.DeleteKey(u"\\TypeLib\\{B4A1B742-28F6-413B-A826-6D8AA323AF38}"));
  EXPECT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
  EXPECT_EQ(server->UnregisterServer(), S_OK);
}

TEST_F(RegistrationTest, WithoutExcelOnlyTheClassEntriesAreWrittenAndRemoved) {
  UninstallExcel();
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ExpectClassEntries(server->ServerFileName());
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
  // A key Excel would read stays untouched by an unregistration without Excel.
  registry::Registry user(HKEY_CURRENT_USER);
  ASSERT_TRUE(user.OpenKey(kAddinKey, true));
  user.WriteString(u"KVXStartMode", u"NORMAL");
  ASSERT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_EQ(StringAt(HKEY_CURRENT_USER, kAddinKey, u"KVXStartMode"), u"NORMAL");
}

TEST_F(RegistrationTest, RegisteringTwiceKeepsTheValuesAndWhatTheAddinRecorded) {
  ASSERT_EQ(server->RegisterServer(), S_OK);
  {
    registry::Registry user(HKEY_CURRENT_USER);
    ASSERT_TRUE(user.OpenKey(kAddinKey, true));
    user.WriteString(u"KVXStartMode", u"NORMAL");
    ASSERT_TRUE(user.OpenKey(std::u16string(kAddinKey) + u"\\Controls", true));
    user.WriteInteger(u"{TAG}", 7);
  }
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ExpectAddinValues(HKEY_CURRENT_USER);
  EXPECT_EQ(StringAt(HKEY_CURRENT_USER, kAddinKey, u"KVXStartMode"), u"NORMAL");
  EXPECT_EQ(IntegerAt(HKEY_CURRENT_USER, std::u16string(kAddinKey) + u"\\Controls", u"{TAG}"), 7);
  ExpectClassEntries(server->ServerFileName());
}

TEST_F(RegistrationTest, ForAllUsersTheKeyGoesToTheMachineAndIsSkippedSilentlyWithoutTheRight) {
  Settings().registerForAllUsers = true;
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ExpectAddinValues(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
  ASSERT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAddinKey));

  scratch.MakeReadOnly(HKEY_LOCAL_MACHINE);
  {
    // Windows enforces the right only on the root handle itself, not on
    // keys created below it.
    registry::Registry probe(HKEY_LOCAL_MACHINE);
    if (probe.OpenKey(u"\\Software\\Corvane Probe", true)) {
      probe.CloseKey();
      probe.DeleteKey(u"\\Software\\Corvane Probe");
      GTEST_SKIP() << "keys below a read-only root stay writable here";
    }
  }
  EXPECT_EQ(server->RegisterServer(), S_OK);
  EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, kAddinKey, u"FriendlyName"), std::nullopt);
  EXPECT_EQ(IntegerAt(HKEY_LOCAL_MACHINE, kAddinKey, u"LoadBehavior"), std::nullopt);
  ExpectClassEntries(server->ServerFileName());
}

TEST_F(RegistrationTest, AClassEntryThatCannotBeWrittenFailsTheRegistration) {
  // A first registration, so that the type library step itself succeeds.
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ASSERT_EQ(server->UnregisterServer(), S_OK);
  try {
    scratch.MakeReadOnly(HKEY_CLASSES_ROOT);
  } catch (const registry::RegistryError&) {
    GTEST_SKIP() << "the classes root is the system's here";
  }
  EXPECT_EQ(server->RegisterServer(), E_FAIL);
  try {
    WriteClassEntries(*factory);
    ADD_FAILURE() << "no error";
  } catch (const com::ComError& e) {
    EXPECT_EQ(e.description(), kRegistryEntryError);
  }
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
}

TEST_F(RegistrationTest, TheRegisteredServerPathIsShortOnlyWhereItHoldsASpace) {
  EXPECT_EQ(RegisteredServerPath(u"/no/space/corvane.so"), u"/no/space/corvane.so");
  // Natively there are no short names; under Windows the short form holds
  // no space.
  const std::u16string spaced = com::ModuleFolderOf(&kProgId) + u"/no such folder/corvane.dll";
  EXPECT_EQ(RegisteredServerPath(spaced), spaced) << "a path that does not exist has no short form";
}

TEST_F(RegistrationTest, RegistrationEventsRunPerHostWithTheKeyOpenAndTheirErrorsGoToTheModule) {
  std::vector<std::u16string> seen;
  std::vector<std::string> errors;
  Settings().configure = [&](TkvxCOMAddInModule& module) {
    auto* m = &module;
    module.OnAfterAddinRegister = [&, m](TObject* Sender) {
      EXPECT_EQ(Sender, m);
      seen.push_back(u"after " + m->ModuleRegistry().CurrentPath());
      throw com::ComError(E_FAIL, u"handler failed");
    };
    module.OnBeforeAddinUnregister = [&, m](TObject*) {
      seen.push_back(u"before " + m->ModuleRegistry().CurrentPath());
    };
    module.OnError = [&](TObject*, const std::exception& e, bool& handled) {
      errors.push_back(e.what());
      handled = true;
    };
  };
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ExpectAddinValues(HKEY_CURRENT_USER);
  ASSERT_EQ(server->UnregisterServer(), S_OK);
  const std::u16string key = std::u16string(kAddinKey).substr(1);
  EXPECT_EQ(seen, (std::vector<std::u16string>{u"after " + key, u"before " + key}));
  EXPECT_EQ(errors, (std::vector<std::string>{"handler failed"}));
}

}  // namespace
}  // namespace corvane::framework::testing
