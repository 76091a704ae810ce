// COMAddIn over a loader entry: its members by DISPID and name, the
// Object round trip an add-in makes in OnConnection, and Connect as the
// COM Add-ins dialog.
#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/registry/ScratchRegistry.h"
#include "sim/core/Instrumentation.h"
#include "sim/office/addins/AddInLoader.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/OfficeObjects.h"
#include "tests/sim/office/HostCalls.h"
#include "tests/sim/office/StubDispatch.h"
#include "tests/sim/office/TestAddIn.h"

namespace corvane::sim::office::testing {
namespace {

using com::Variant;
using PlainDispatch = StubDispatch<IDispatch>;

class ComAddInObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { Instrumentation::Instance().Reset(); }

  static std::shared_ptr<AddInEntry> Entry() {
    auto made = std::make_shared<AddInEntry>();
    made->progId = u"Corvane.Connect";
    made->description = u"Formats pivot tables";
    made->loadBehavior = 3;
    return made;
  }

  std::shared_ptr<AddInEntry> entry = Entry();
};

TEST_F(ComAddInObjectTest, MembersAnswerByDispidAndName) {
  com::Dispatch addIn(NewComAddInObject(entry));
  EXPECT_EQ(addIn.Get(0x0).ToText(), u"Formats pivot tables");
  addIn.Put(u"Description", Variant(u"Changed"));
  EXPECT_EQ(entry->description, u"Changed");
  EXPECT_EQ(addIn.Get(0x3).ToText(), u"Corvane.Connect");
  EXPECT_EQ(addIn.Get(u"progid").ToText(), u"Corvane.Connect");
  EXPECT_EQ(addIn.Get(0x4).ToText(), u"");  // no class registered under the ProgID
  EXPECT_FALSE(addIn.Get(0x6).ToBool());
  com::ComPtr<IUnknown> answer;
  EXPECT_EQ(addIn.object()->QueryInterface(Office::COMAddIn::iid, answer.put_void()), S_OK);
}

TEST_F(ComAddInObjectTest, ObjectRoundTripsTheAddInsObject) {
  com::Dispatch addIn(NewComAddInObject(entry));
  auto object = com::Make<PlainDispatch>();
  addIn.Put(0x7, Variant(object));
  EXPECT_EQ(entry->object.get(), static_cast<IDispatch*>(object.get()));
  EXPECT_EQ(addIn.Get(u"Object").ToDispatch().get(), static_cast<IDispatch*>(object.get()));
  addIn.Put(0x7, Variant(com::ComPtr<IDispatch>()));
  EXPECT_EQ(entry->object.get(), nullptr);
}

TEST_F(ComAddInObjectTest, ConnectGoesThroughTheDialogsAction) {
  std::vector<bool> asked;
  com::Dispatch addIn(NewComAddInObject(entry, [&](const std::shared_ptr<AddInEntry>& which, bool connect) {
    EXPECT_EQ(which, entry);
    asked.push_back(connect);
    which->connected = connect;
  }));
  addIn.Put(0x6, Variant(true));
  addIn.Put(0x6, Variant(true));  // already connected: nothing to do
  addIn.Put(u"Connect", Variant(false));
  EXPECT_EQ(asked, (std::vector<bool>{true, false}));

  com::Dispatch fixed(NewComAddInObject(entry));
  EXPECT_EQ(FailureOf([&] { fixed.Put(u"Connect", Variant(true)); }), kOperationFailed);
  EXPECT_FALSE(entry->connected);
}

TEST_F(ComAddInObjectTest, AStaleEntryFailsEveryMember) {
  com::Dispatch addIn(NewComAddInObject(entry));
  entry.reset();
  EXPECT_EQ(FailureOf([&] { addIn.Get(u"ProgId"); }), kDisconnected);
}

TEST_F(ComAddInObjectTest, TheLoaderHandsItToOnConnectionAndReleasesItAtShutdown) {
  registry::ScratchRegistry scratch;
  auto journal = std::make_shared<AddInJournal>();
  const GUID clsid{0x6F1C0100, 0x5A11, 0x4ADD, {0x9E, 0x11, 0, 0, 0, 0, 1, 0}};
  TestAddInClass server(u"Test.WithObject", clsid, journal, AddInBehaviour{.setsObject = true});
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.WithObject", 3);
  auto application = com::Make<PlainDispatch>();
  {
    AddInLoader loader([](const std::shared_ptr<AddInEntry>& e) { return NewComAddInObject(e); });
    loader.Startup(application.get());
    auto found = loader.Find(u"Test.WithObject");
    ASSERT_TRUE(found && found->connected);
    EXPECT_TRUE(found->object);  // the add-in set COMAddIn.Object to itself
    com::Dispatch view(NewComAddInObject(found));
    OLECHAR text[40] = {};
    StringFromGUID2(clsid, text, 40);
    EXPECT_EQ(view.Get(u"Guid").ToText(), com::from_ole(text));
    EXPECT_TRUE(view.Get(u"Connect").ToBool());
    loader.Shutdown();
  }
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(u"COMAddIn"), 0) << Instrumentation::Instance().LiveReport();
  EXPECT_EQ(journal->liveAddIns, 0);
}

}  // namespace
}  // namespace corvane::sim::office::testing
