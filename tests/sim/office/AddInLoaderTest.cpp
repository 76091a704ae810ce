// The add-in loader's calling sequence, as Office drives the connection
// interface, and its LoadBehavior updates.
#include <gtest/gtest.h>

#include "platform/registry/ScratchRegistry.h"
#include "sim/office/addins/AddInLoader.h"
#include "tests/sim/office/StubDispatch.h"
#include "tests/sim/office/TestAddIn.h"

namespace corvane::sim::office {
namespace {

using testing::AddInBehaviour;
using testing::AddInJournal;
using testing::ReadLoadBehavior;
using testing::TestAddInClass;
using testing::WriteAddInKey;
using Calls = std::vector<std::string>;

// {6F1C....-...} style ids of the test add-ins' classes.
GUID TestClass(uint8_t n) { return {0x6F1C0000u + n, 0x5A11, 0x4ADD, {0x9E, 0x11, 0, 0, 0, 0, 0, n}}; }

using PlainDispatch = testing::StubDispatch<IDispatch>;

class AddInLoaderTest : public ::testing::Test {
 protected:
  std::shared_ptr<AddInJournal> journal = std::make_shared<AddInJournal>();
  registry::ScratchRegistry scratch;
  com::ComPtr<PlainDispatch> application = com::Make<PlainDispatch>();
  int objectsMade = 0;
  AddInLoader loader{[this](const std::shared_ptr<AddInEntry>&) {
    ++objectsMade;
    return com::ComPtr<IDispatch>(application.get());
  }};
};

TEST_F(AddInLoaderTest, StartupConnectsLoadBehaviourThreeThenCompletesShutdownDisconnects) {
  TestAddInClass a(u"Test.Alpha", TestClass(1), journal);
  TestAddInClass b(u"Test.Beta", TestClass(2), journal);
  TestAddInClass c(u"Test.Gamma", TestClass(3), journal);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Alpha", 3);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Beta", 3);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Gamma", 2);

  loader.Startup(application.get());
  EXPECT_EQ(journal->calls, (Calls{
                                "Test.Alpha.OnConnection mode=1 app=yes addin=yes custom=yes",
                                "Test.Beta.OnConnection mode=1 app=yes addin=yes custom=yes",
                                "Test.Alpha.OnStartupComplete",
                                "Test.Beta.OnStartupComplete",
                            }));
  EXPECT_EQ(journal->liveAddIns, 2);
  EXPECT_EQ(objectsMade, 2);
  ASSERT_EQ(loader.entries().size(), 3u);
  EXPECT_TRUE(loader.Find(u"test.alpha")->connected);
  EXPECT_FALSE(loader.Find(u"Test.Gamma")->connected);
  EXPECT_EQ(loader.Find(u"Test.Gamma")->friendlyName, u"Test.Gamma add-in");

  journal->calls.clear();
  loader.Shutdown();
  EXPECT_EQ(journal->calls, (Calls{
                                "Test.Alpha.OnBeginShutdown",
                                "Test.Beta.OnBeginShutdown",
                                "Test.Alpha.OnDisconnection mode=0",
                                "Test.Beta.OnDisconnection mode=0",
                            }));
  EXPECT_EQ(journal->liveAddIns, 0);
  for (auto progId : {u"Test.Alpha", u"Test.Beta"}) EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, progId), 3);
  EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Gamma"), 2);
}

TEST_F(AddInLoaderTest, AFailingAddInIsLeftUnloadedWithLoadBehaviourTwo) {
  TestAddInClass good(u"Test.Good", TestClass(4), journal);
  TestAddInClass refusing(u"Test.Refusing", TestClass(5), journal, AddInBehaviour{.failConnection = true});
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Good", 3);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Missing", 3);  // no class registered
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Refusing", 3);

  loader.Startup(application.get());
  EXPECT_EQ(journal->calls, (Calls{
                                "Test.Good.OnConnection mode=1 app=yes addin=yes custom=yes",
                                "Test.Refusing.OnConnection mode=1 app=yes addin=yes custom=yes",
                                "Test.Good.OnStartupComplete",
                            }));
  EXPECT_EQ(journal->liveAddIns, 1);  // the refusing one is released at once
  EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Good"), 3);
  EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Missing"), 2);
  EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Refusing"), 2);
  EXPECT_FALSE(loader.Find(u"Test.Missing")->failure.empty());
  EXPECT_FALSE(loader.Find(u"Test.Refusing")->failure.empty());

  journal->calls.clear();
  loader.Shutdown();
  EXPECT_EQ(journal->calls, (Calls{"Test.Good.OnBeginShutdown", "Test.Good.OnDisconnection mode=0"}));
}

TEST_F(AddInLoaderTest, TheDialogConnectsLaterAndUnloads) {
  TestAddInClass a(u"Test.Later", TestClass(6), journal);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Later", 2);
  loader.Startup(application.get());
  EXPECT_TRUE(journal->calls.empty());

  auto entry = loader.Find(u"Test.Later");
  ASSERT_TRUE(entry);
  EXPECT_TRUE(loader.ConnectByUser(entry, application.get()));
  EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Later"), 3);
  EXPECT_TRUE(loader.ConnectByUser(entry, application.get()));  // already connected: no second call
  loader.UnloadByUser(entry);
  EXPECT_EQ(journal->calls, (Calls{
                                "Test.Later.OnConnection mode=0 app=yes addin=yes custom=yes",
                                "Test.Later.OnDisconnection mode=1",
                            }));
  EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Later"), 2);
  EXPECT_EQ(journal->liveAddIns, 0);
  journal->calls.clear();
  loader.Shutdown();
  EXPECT_TRUE(journal->calls.empty());
}

TEST_F(AddInLoaderTest, MachineKeysAreReadAfterTheUsersAndAUserKeyWins) {
  TestAddInClass user(u"Test.Both", TestClass(7), journal);
  TestAddInClass machine(u"Test.Machine", TestClass(8), journal);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Both", 2);
  WriteAddInKey(HKEY_LOCAL_MACHINE, u"Test.Both", 3);
  WriteAddInKey(HKEY_LOCAL_MACHINE, u"Test.Machine", 3);

  loader.Startup(application.get());
  EXPECT_EQ(journal->calls, (Calls{
                                "Test.Machine.OnConnection mode=1 app=yes addin=yes custom=yes",
                                "Test.Machine.OnStartupComplete",
                            }));
  ASSERT_EQ(loader.entries().size(), 2u);
  EXPECT_EQ(loader.entries()[0]->root, HKEY_CURRENT_USER);
  EXPECT_EQ(loader.entries()[1]->root, HKEY_LOCAL_MACHINE);
  loader.UnloadByUser(loader.Find(u"Test.Machine"));
  EXPECT_EQ(ReadLoadBehavior(HKEY_LOCAL_MACHINE, u"Test.Machine"), 2);
}

TEST_F(AddInLoaderTest, AMachineKeyThatCannotBeWrittenStillUnloadsTheAddIn) {
  TestAddInClass refusing(u"Test.Locked", TestClass(9), journal, AddInBehaviour{.failConnection = true});
  WriteAddInKey(HKEY_LOCAL_MACHINE, u"Test.Locked", 3);
  scratch.MakeReadOnly(HKEY_LOCAL_MACHINE);
  loader.Startup(application.get());
  auto entry = loader.Find(u"Test.Locked");
  ASSERT_TRUE(entry);
  EXPECT_FALSE(entry->connected);
  EXPECT_EQ(entry->loadBehavior, 2);
  EXPECT_FALSE(entry->failure.empty());
}

}  // namespace
}  // namespace corvane::sim::office
