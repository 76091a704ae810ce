// A started Excel with its Office half: the add-ins' whole lifecycle from
// start to Quit through COM, Application.COMAddIns and the COM Add-ins
// dialog, the command bars kept across two runs, and nothing left alive
// once the run is over (quit, or dropped without Quit).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/registry/ScratchRegistry.h"
#include "published/Excel.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/OfficeError.h"
#include "tests/sim/core/RecordingSink.h"
#include "tests/sim/office/HostCalls.h"
#include "tests/sim/office/SimDataDirectory.h"
#include "tests/sim/office/TestAddIn.h"

namespace corvane::sim::office::testing {
namespace {

using com::Dispatch;
using com::Variant;
using Calls = std::vector<std::string>;

GUID TestClass(uint8_t n) { return {0x6F1C0200u + n, 0x5A11, 0x4ADD, {0x9E, 0x11, 0, 0, 0, 0, 2, n}}; }

// Adds a button with this tag to a bar; Temporary as given.
Dispatch AddButton(Dispatch& bar, const char16_t* tag, bool temporary) {
  Dispatch controls(bar.Get(kBarControls).ToDispatch());
  Dispatch button(
      controls.Call(kControlsAdd, {kButtonType, Variant::Omitted(), Variant::Omitted(), Variant::Omitted(), temporary})
          .ToDispatch());
  button.Put(kControlTag, Variant(tag));
  button.Put(kControlCaption, Variant(tag));
  return button;
}

// What the test add-in does with Excel: a permanent bar of its own with one
// button at start-up, the button's caption changed at shutdown.
void AddOwnBar(IDispatch* application) {
  Dispatch bars(Dispatch(com::ComPtr<IDispatch>(application)).Get(kCommandBars).ToDispatch());
  Dispatch bar(bars.Call(kBarsAdd, {u"Test Add-in", kBarFloatingPosition, false, false}).ToDispatch());
  AddButton(bar, u"test.button", false);
}

void RenameOwnButton(IDispatch* application) {
  Dispatch bars(Dispatch(com::ComPtr<IDispatch>(application)).Get(kCommandBars).ToDispatch());
  Dispatch button(bars.Call(kBarsFindControl, {Variant::Omitted(), Variant::Omitted(), u"test.button"}).ToDispatch());
  button.Put(kControlCaption, Variant(u"Renamed at shutdown"));
}

class OfficeStartTest : public ::testing::Test {
 protected:
  void SetUp() override { Instrumentation::Instance().Reset(); }

  static AddInBehaviour Holding() {
    AddInBehaviour behaviour;
    behaviour.setsObject = true;
    behaviour.holdsHost = true;
    behaviour.onStartupComplete = &AddOwnBar;
    behaviour.onBeginShutdown = &RenameOwnButton;
    return behaviour;
  }
  static AddInBehaviour Failing() {
    AddInBehaviour behaviour;
    behaviour.failConnection = true;
    return behaviour;
  }

  registry::ScratchRegistry scratch;
  SimDataDirectory data{::testing::UnitTest::GetInstance()->current_test_info()->name()};
  std::shared_ptr<AddInJournal> journal = std::make_shared<AddInJournal>();
};

TEST_F(OfficeStartTest, AFullStartAndQuitDrivesTheAddInsAndReleasesEverything) {
  TestAddInClass full(u"Test.Full", TestClass(1), journal, Holding());
  TestAddInClass failing(u"Test.Failing", TestClass(2), journal, Failing());
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Full", 3);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Failing", 3);
  WriteAddInKey(HKEY_LOCAL_MACHINE, u"Test.Machine", 2);
  {
    excel::ExcelRun run = excel::StartExcel();
    EXPECT_EQ(journal->calls, (Calls{
                                  "Test.Failing.OnConnection mode=1 app=yes addin=yes custom=yes",
                                  "Test.Full.OnConnection mode=1 app=yes addin=yes custom=yes",
                                  "Test.Full.OnStartupComplete",
                              }));
    EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Failing"), 2);
    EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Full"), 3);
    EXPECT_EQ(journal->liveAddIns, 1);
    // The add-in holds the application and its COMAddIn while it runs.
    EXPECT_GE(Instrumentation::Instance().OutstandingReferences(u"Application"), 2);
    EXPECT_EQ(Instrumentation::Instance().OutstandingReferences(u"COMAddIn"), 1);

    Dispatch app(run.application);
    {
      Dispatch addIns(app.Get(u"comaddins").ToDispatch());
      EXPECT_EQ(addIns.Get(0x1).ToInt32(), 3);
      EXPECT_EQ(Dispatch(addIns.Get(0x0, {1}).ToDispatch()).Get(0x3).ToText(), u"Test.Failing");
      Dispatch entry(addIns.Get(0x0, {u"test.full"}).ToDispatch());
      EXPECT_TRUE(entry.Get(u"Connect").ToBool());
      EXPECT_TRUE(entry.Get(0x7).ToDispatch());  // the add-in set its Object
      EXPECT_EQ(Dispatch(entry.Get(0x8).ToDispatch()).Get(0x6E).ToText(), u"Microsoft Excel");
      EXPECT_EQ(Dispatch(addIns.Get(u"Parent").ToDispatch()).Get(0x6E).ToText(), u"Microsoft Excel");
      EXPECT_FALSE(Dispatch(addIns.Get(0x0, {u"Test.Failing"}).ToDispatch()).Get(0x6).ToBool());
      EXPECT_EQ(FailureOf([&] { addIns.Get(0x0, {4}); }), kInvalidArgument);
      EXPECT_EQ(FailureOf([&] { addIns.Get(0x0, {u"Test.Nowhere"}); }), kInvalidArgument);
    }
    journal->calls.clear();
    app.Call(kQuit);
    EXPECT_EQ(journal->calls, (Calls{
                                  "Test.Full.OnBeginShutdown",
                                  "Test.Full.OnDisconnection mode=0",
                              }));
    EXPECT_EQ(journal->liveAddIns, 0);
    EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Full"), 3);  // Quit keeps it
    // After Quit only the run's and this test's references to the
    // application are left.
    EXPECT_EQ(Instrumentation::Instance().LiveObjects(), 1) << Instrumentation::Instance().LiveReport();
    EXPECT_EQ(Instrumentation::Instance().OutstandingReferences(), 2) << Instrumentation::Instance().LiveReport();
    EXPECT_EQ(FailureOf([&] { app.Get(kCommandBars); }), kDisconnected);
  }
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(), 0) << Instrumentation::Instance().LiveReport();
}

TEST_F(OfficeStartTest, ARunDroppedWithoutQuitStillShutsItsAddInsDown) {
  TestAddInClass full(u"Test.Dropped", TestClass(3), journal, Holding());
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Dropped", 3);
  {
    excel::ExcelRun run = excel::StartExcel();
    EXPECT_EQ(journal->liveAddIns, 1);
  }
  // Excel is gone before its add-ins hear of it: the shutdown work fails
  // as a stale reference does, and the add-in lets go of everything.
  EXPECT_EQ(journal->calls, (Calls{
                                "Test.Dropped.OnConnection mode=1 app=yes addin=yes custom=yes",
                                "Test.Dropped.OnStartupComplete",
                                "Test.Dropped.OnBeginShutdown",
                                "Test.Dropped.Error " + com::HResultText(kDisconnected),
                                "Test.Dropped.OnDisconnection mode=0",
                            }));
  EXPECT_EQ(journal->liveAddIns, 0);
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(), 0) << Instrumentation::Instance().LiveReport();
  EXPECT_EQ(Instrumentation::Instance().OutstandingReferences(), 0);
}

TEST_F(OfficeStartTest, ACancelledQuitKeepsTheAddInsConnected) {
  TestAddInClass full(u"Test.Stays", TestClass(4), journal);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Stays", 3);
  excel::ExcelRun run = excel::StartExcel();
  run.model->NewWorkbook();
  std::vector<sim::testing::SinkCall> events;
  auto sink = com::Make<sim::testing::RecordingSink>(Excel::AppEvents::iid, "app", events);
  sink->WriteRef(0, true);  // WorkbookBeforeClose's Cancel
  com::ComPtr<IConnectionPoint> point;
  ASSERT_EQ(
      run.application.try_query<IConnectionPointContainer>()->FindConnectionPoint(Excel::AppEvents::iid, point.put()),
      S_OK);
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(sink.get(), &cookie), S_OK);
  journal->calls.clear();
  Dispatch(run.application).Call(kQuit);
  EXPECT_FALSE(run.model->has_quit());
  EXPECT_TRUE(journal->calls.empty());
  EXPECT_TRUE(OfficeOf(run)->running());
  EXPECT_TRUE(Dispatch(run.application).Get(kCommandBars).ToDispatch());

  ASSERT_EQ(point->Unadvise(cookie), S_OK);
  Dispatch(run.application).Call(kQuit);
  EXPECT_TRUE(run.model->has_quit());
  EXPECT_EQ(journal->calls, (Calls{"Test.Stays.OnBeginShutdown", "Test.Stays.OnDisconnection mode=0"}));
}

TEST_F(OfficeStartTest, TheComAddInsDialogConnectsAndUnloadsThroughConnect) {
  TestAddInClass later(u"Test.Later", TestClass(5), journal, Holding());
  TestAddInClass failing(u"Test.Refuses", TestClass(6), journal, Failing());
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Later", 2);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Refuses", 2);
  excel::ExcelRun run = excel::StartExcel();
  EXPECT_TRUE(journal->calls.empty());
  Dispatch addIns(Dispatch(run.application).Get(kComAddIns).ToDispatch());
  {
    Dispatch entry(addIns.Get(0x0, {u"Test.Later"}).ToDispatch());
    entry.Put(0x6, Variant(true));
    EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Later"), 3);
    EXPECT_TRUE(entry.Get(0x6).ToBool());
    entry.Put(0x6, Variant(false));
    EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Later"), 2);
    // Connected after start-up, it is not told that start-up completed.
    EXPECT_EQ(journal->calls, (Calls{
                                  "Test.Later.OnConnection mode=0 app=yes addin=yes custom=yes",
                                  "Test.Later.OnDisconnection mode=1",
                              }));
    EXPECT_EQ(journal->liveAddIns, 0);
  }
  {
    Dispatch entry(addIns.Get(0x0, {u"Test.Refuses"}).ToDispatch());
    try {
      entry.Put(0x6, Variant(true));
      ADD_FAILURE() << "a refusing add-in was connected";
    } catch (const com::ComError& error) {
      EXPECT_EQ(error.code(), kOperationFailed);
      EXPECT_NE(error.description().find(u"Test.Refuses"), std::u16string::npos);
    }
    EXPECT_FALSE(entry.Get(0x6).ToBool());
    EXPECT_EQ(ReadLoadBehavior(HKEY_CURRENT_USER, u"Test.Refuses"), 2);
  }
  journal->calls.clear();
  Dispatch(run.application).Call(kQuit);
  EXPECT_TRUE(journal->calls.empty());  // nothing connected at Quit
  Dispatch entry(addIns.Get(0x0, {u"Test.Later"}).ToDispatch());
  EXPECT_EQ(FailureOf([&] { entry.Put(0x6, Variant(true)); }), kOperationFailed);  // Excel has quit
  EXPECT_TRUE(journal->calls.empty());
}

TEST_F(OfficeStartTest, CommandBarsSurviveARestartAsOfficeKeepsThem) {
  TestAddInClass full(u"Test.Bars", TestClass(7), journal, Holding());
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Bars", 3);
  {
    excel::ExcelRun run = excel::StartExcel();
    Dispatch bars(Dispatch(run.application).Get(kCommandBars).ToDispatch());
    Dispatch kept(bars.Call(kBarsAdd, {u"Kept", kBarFloatingPosition, false, false}).ToDispatch());
    AddButton(kept, u"keep", false);
    AddButton(kept, u"temporary", true);
    Dispatch gone = AddButton(kept, u"deleted", false);
    gone.Call(kControlDelete, {false});
    Dispatch scratchBar(bars.Call(kBarsAdd, {u"Scratch", kBarFloatingPosition, false, true}).ToDispatch());
    AddButton(scratchBar, u"scratch", false);
    Dispatch(run.application).Call(kQuit);
  }
  ASSERT_TRUE(std::filesystem::exists(data.bars()));
  journal->calls.clear();
  excel::ExcelRun second = excel::StartExcel();
  Dispatch bars(Dispatch(second.application).Get(kCommandBars).ToDispatch());
  Dispatch kept(bars.Get(0x0, {u"Kept"}).ToDispatch());
  EXPECT_EQ(Dispatch(kept.Get(kBarControls).ToDispatch()).Get(kControlsCount).ToInt32(), 1);
  auto find = [&](const char16_t* tag) {
    return bars.Call(kBarsFindControl, {Variant::Omitted(), Variant::Omitted(), tag}).ToDispatch();
  };
  ASSERT_TRUE(find(u"keep"));
  EXPECT_EQ(Dispatch(find(u"keep")).Get(kControlCaption).ToText(), u"keep");
  EXPECT_FALSE(find(u"temporary"));
  EXPECT_FALSE(find(u"deleted"));
  EXPECT_FALSE(find(u"scratch"));
  EXPECT_EQ(FailureOf([&] { bars.Get(0x0, {u"Scratch"}); }), kInvalidArgument);
  // The add-in's own bar, with what it changed at shutdown.
  ASSERT_TRUE(find(u"test.button"));
  EXPECT_EQ(Dispatch(find(u"test.button")).Get(kControlCaption).ToText(), u"Renamed at shutdown");
  // Its second start adds a second bar of that name: Office refuses it.
  EXPECT_NE(
      std::find(journal->calls.begin(), journal->calls.end(), "Test.Bars.Error " + com::HResultText(kInvalidArgument)),
      journal->calls.end());
}

TEST_F(OfficeStartTest, ADamagedBarsFileStopsTheStartAndIsLeftAsItIs) {
  { std::ofstream(data.bars()) << "not a command bar file\n"; }
  EXPECT_ANY_THROW(excel::StartExcel());
  std::ifstream in(data.bars());
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "not a command bar file");
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(), 0) << Instrumentation::Instance().LiveReport();
}

}  // namespace
}  // namespace corvane::sim::office::testing
