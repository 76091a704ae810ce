// Unregistration's visit to Excel: the toolbar and the recorded controls
// deleted from a running Excel or from one started for it, the add-in
// switched off first, and a failing visit that leaves the keys in place.
#include <gtest/gtest.h>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarControl.h"
#include "framework/hosting/ControlRemoval.h"
#include "platform/com/ComError.h"
#include "platform/com/ComGuard.h"
#include "platform/com/ComObject.h"
#include "platform/com/FrameworkError.h"
#include "published/Office.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/excel/objects/ExcelStart.h"
#include "tests/hosting/ClassObjectRegistration.h"
#include "tests/hosting/ExcelOfThisProgram.h"
#include "tests/hosting/ServerFixture.h"
#include "tests/support/Sweeps.h"

namespace corvane::framework::testing {
namespace {

constexpr DISPID kApplicationCommandBars = 0x59F;
constexpr DISPID kApplicationQuit = 0x12E;
const std::u16string kControlsKey = std::u16string(kAddinKey) + u"\\Controls";
const std::u16string kBarsKey = std::u16string(kAddinKey) + u"\\CommandBars";

class UnregistrationTest : public ServerTest {
 protected:
  // Registered, and the toolbar built into an Excel that then quits (its
  // bars saved for the next one).
  void RegisterWithToolbar() {
    ASSERT_EQ(server->RegisterServer(), S_OK);
    com::ComPtr<IDispatch> app = CreateExcel();
    ASSERT_TRUE(app);
    BuildToolbarIn(app);
    ASSERT_TRUE(FindBar(app, kBarName));
    com::Dispatch(app).Call(kApplicationQuit);
  }

  static com::Variant AddControl(com::Dispatch& bar, int32_t type, const char16_t* tag) {
    com::Dispatch controls(bar.Get(Office::CommandBar::Controls).ToDispatch());
    com::Variant control = controls.Call(Office::CommandBarControls::Add, {com::Variant(type)});
    com::Dispatch(control.ToDispatch()).Put(Office::CommandBarControl::Tag, com::Variant(tag));
    return control;
  }
};

TEST_F(UnregistrationTest, ExcelNotRunningIsStartedCleanedAndToldToQuit) {
  RegisterWithToolbar();
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kControlsKey));
  ASSERT_FALSE(ExcelRunning());

  ASSERT_EQ(server->UnregisterServer(), S_OK);
  // A started Excel stays in the running object table until it quits.
  EXPECT_FALSE(ExcelRunning());
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));

  // The next Excel finds neither the toolbar nor any of its buttons.
  com::ComPtr<IDispatch> app = CreateExcel();
  EXPECT_FALSE(FindBar(app, kBarName));
  auto module = ConfiguredModule();
  for (size_t i = 0; i < module->CommandBarList().front()->Controls().Count(); ++i) {
    const auto tag = module->CommandBarList().front()->Controls().Items(i).OfficeTag();
    EXPECT_FALSE(FindControl(app, tag)) << com::Utf16ToUtf8(tag);
  }
  com::Dispatch(app).Call(kApplicationQuit);
}

TEST_F(UnregistrationTest, ARunningExcelIsUsedAndLeftRunning) {
  ASSERT_EQ(server->RegisterServer(), S_OK);
  RunningExcel run;
  ASSERT_TRUE(ExcelRunning());
  BuildToolbarIn(run.application);
  ASSERT_TRUE(FindBar(run.application, kBarName));
  sim::Instrumentation::Instance().Reset();

  ASSERT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_TRUE(ExcelRunning());
  EXPECT_EQ(sim::Instrumentation::Instance().Calls(u"Application", u"Quit"), 0u);
  EXPECT_FALSE(FindBar(run.application, kBarName));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
}

TEST_F(UnregistrationTest, AFailingPassKeepsTheSwitchedOffKeyAndTheClassEntries) {
  ASSERT_EQ(server->RegisterServer(), S_OK);
  RunningExcel run;
  BuildToolbarIn(run.application);
  sim::Instrumentation::Instance().Reset();
  sim::Instrumentation::Instance().FailMember(u"CommandBars", u"FindControl", E_FAIL, u"refused");

  EXPECT_EQ(server->UnregisterServer(), E_FAIL);
  EXPECT_EQ(StringAt(HKEY_CURRENT_USER, kAddinKey, u"KVXStartMode"), u"UNINSTALL");
  EXPECT_EQ(IntegerAt(HKEY_CURRENT_USER, kAddinKey, u"LoadBehavior"), 0);
  EXPECT_EQ(StringAt(HKEY_CURRENT_USER, kAddinKey, u"FriendlyName"), u"Corvane");
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kControlsKey));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_TRUE(ExcelRunning()) << "an Excel the pass did not start is not told to quit";

  // The controls the pass deleted are no longer recorded; the bar lookup
  // still fails, in the framework's own words.
  sim::Instrumentation::Instance().FailMember(u"CommandBars", u"Count", E_FAIL, u"refused");
  try {
    UnregisterControls(*factory);
    ADD_FAILURE() << "no error";
  } catch (const com::ComError& e) {
    EXPECT_EQ(e.code(), 31103);
    EXPECT_EQ(e.description(), com::FrameworkErrorMessage(com::FrameworkError::kCantUnregisterControls));
  }
  // Run again once the host behaves, it completes.
  sim::Instrumentation::Instance().ClearFaults();
  EXPECT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
  EXPECT_FALSE(FindBar(run.application, kBarName));
}

TEST_F(UnregistrationTest, ForAllUsersAFailingPassLeavesTheMachineKeySwitchedOff) {
  Settings().registerForAllUsers = true;
  ASSERT_EQ(server->RegisterServer(), S_OK);
  RunningExcel run;
  BuildToolbarIn(run.application);
  sim::Instrumentation::Instance().FailMember(u"CommandBars", u"FindControl", E_FAIL, u"refused");
  EXPECT_EQ(server->UnregisterServer(), E_FAIL);
  EXPECT_EQ(IntegerAt(HKEY_LOCAL_MACHINE, kAddinKey, u"LoadBehavior"), 0);
  EXPECT_EQ(IntegerAt(HKEY_CURRENT_USER, kAddinKey, u"LoadBehavior"), std::nullopt);
  EXPECT_EQ(StringAt(HKEY_CURRENT_USER, kAddinKey, u"KVXStartMode"), u"UNINSTALL");
  sim::Instrumentation::Instance().ClearFaults();
  EXPECT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAddinKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
}

void QuitRunningExcel() {
  com::ComPtr<IUnknown> active;
  if (GetActiveObject(sim::kExcelApplicationClsid, nullptr, active.put()) != S_OK) return;
  com::ComPtr<IDispatch> application;
  ASSERT_EQ(active->QueryInterface(IID_IDispatch, application.put_void()), S_OK);
  com::Dispatch(application).Call(kApplicationQuit);
}

// Unregistration runs inside an installer or a silent registration tool:
// whichever host call fails, no box appears, and the registry ends either
// fully unregistered or with the add-in key kept switched off.
TEST_F(UnregistrationTest, EveryFailingHostCallEndsWithoutABoxAndInAStateTheRegistryAllows) {
  const auto prepare = [this] {
    registry::Registry user(HKEY_CURRENT_USER);
    if (user.KeyExists(kAddinKey)) user.DeleteKey(kAddinKey);
    EXPECT_EQ(server->RegisterServer(), S_OK);
  };
  const auto excel = com::Make<ExcelOfThisProgram>();
  const ClassObjectRegistration startedHere(sim::kExcelApplicationClsid, excel.get());
  for (const bool running : {true, false}) {
    SCOPED_TRACE(running ? "Excel running" : "Excel started for it");
    uint64_t calls = 0;
    {
      prepare();
      RunningExcel run;
      BuildToolbarIn(run.application);
      if (!running) com::Dispatch(run.application).Call(kApplicationQuit);
      sim::Instrumentation::Instance().Reset();
      ASSERT_EQ(server->UnregisterServer(), S_OK);
      calls = sim::Instrumentation::Instance().HostCalls();
    }
    ASSERT_GT(calls, 23u) << "at least one delete per button";
    // Every call with Excel running; the short form samples the started
    // Excel's pass, which differs only in its start and its Quit.
    const uint64_t stride = running ? 1 : corvane::testing::SweepStride(5);
    std::vector<uint64_t> faults;
    for (uint64_t k = 1; k <= calls; k += stride) faults.push_back(k);
    if (faults.back() != calls) faults.push_back(calls);  // a started Excel's Quit
    for (const uint64_t k : faults) {
      SCOPED_TRACE("failing host call " + std::to_string(k));
      prepare();
      RunningExcel run;
      BuildToolbarIn(run.application);
      if (!running) com::Dispatch(run.application).Call(kApplicationQuit);
      sim::Instrumentation::Instance().Reset();
      sim::Instrumentation::Instance().FailCall(k, E_FAIL, u"refused");
      const HRESULT result = server->UnregisterServer();
      sim::Instrumentation::Instance().ClearFaults();
      // An Excel whose Quit was the failing call is still running.
      QuitRunningExcel();

      EXPECT_TRUE(presenter.Boxes().empty());
      if (result == S_OK) {
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
      } else {
        EXPECT_EQ(result, E_FAIL);
        EXPECT_EQ(StringAt(HKEY_CURRENT_USER, kAddinKey, u"KVXStartMode"), u"UNINSTALL");
        EXPECT_EQ(IntegerAt(HKEY_CURRENT_USER, kAddinKey, u"LoadBehavior"), 0);
        EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
      }
    }
  }
}

// Records straight into a running Excel's bars.
class RecordedControlsTest : public UnregistrationTest {
 protected:
  void SetUp() override {
    run = sim::excel::StartExcel();
    bars = com::Dispatch(run.application).Get(kApplicationCommandBars).ToDispatch();
    module = ConfiguredModule();
    module->SetHostApp(run.application);
    module->SetHostKind(ohaExcel);
  }
  com::Dispatch NewBar(const char16_t* name) {
    return com::Dispatch(com::Dispatch(bars)
                             .Call(Office::CommandBars::Add,
                                   {com::Variant(name), com::Variant(4), com::Variant(false), com::Variant(false)})
                             .ToDispatch());
  }
  uint64_t Deletes(const char16_t* type) { return sim::Instrumentation::Instance().Calls(type, u"Delete"); }

  sim::excel::ExcelRun run;
  com::ComPtr<IDispatch> bars;
  std::unique_ptr<TkvxCOMAddInModule> module;
};

TEST_F(RecordedControlsTest, RecordsOfRevision255GoLastAndMissingTagsArePassedOver) {
  com::Dispatch bar = NewBar(u"Records");
  com::Dispatch popup(AddControl(bar, 10, u"{POPUP}").ToDispatch());
  com::Dispatch menu(popup.Get(Office::CommandBarPopup::CommandBar).ToDispatch());
  AddControl(menu, 1, u"{INSIDE}");
  sim::Instrumentation::Instance().Reset();
  // The popup, recorded 255, stands first in the list; were it deleted
  // first, the button in its menu would go with it and never be asked to.
  RemoveRecordedControls(*module, bars, {{u"{POPUP}", 255}, {u"{MISSING}", 3}, {u"{INSIDE}", 4}}, {});
  EXPECT_EQ(Deletes(u"CommandBarButton"), 1u);
  EXPECT_EQ(Deletes(u"CommandBarPopup"), 1u);
  EXPECT_FALSE(FindControl(run.application, u"{POPUP}"));
  EXPECT_TRUE(FindBar(run.application, u"Records")) << "a bar is deleted only when recorded";
}

TEST_F(RecordedControlsTest, ARecordedBarGoesOnlyWhenEmptyAndNotBuiltIn) {
  com::Dispatch empty = NewBar(u"Emptied");
  AddControl(empty, 1, u"{MINE}");
  com::Dispatch kept = NewBar(u"User Filled");
  AddControl(kept, 1, u"{ALSO MINE}");
  AddControl(kept, 1, u"{THE USER'S}");
  RemoveRecordedControls(*module, bars, {{u"{MINE}", 1}, {u"{ALSO MINE}", 1}},
                         {u"Emptied", u"User Filled", u"Standard", u"Never There"});
  EXPECT_FALSE(FindBar(run.application, u"Emptied"));
  EXPECT_TRUE(FindBar(run.application, u"User Filled"));
  EXPECT_TRUE(FindControl(run.application, u"{THE USER'S}"));
  EXPECT_TRUE(FindBar(run.application, u"Standard"));
}

TEST_F(RecordedControlsTest, RecordsAreReadWithNonIntegersAsZero) {
  registry::Registry user(HKEY_CURRENT_USER);
  ASSERT_TRUE(user.OpenKey(kControlsKey, true));
  user.WriteInteger(u"{A}", 255);
  user.WriteString(u"{B}", u"text");
  ASSERT_TRUE(user.OpenKey(kBarsKey, true));
  user.WriteInteger(u"Corvane AutoFormat XL", 2);
  const RecordedItems records = ReadRecordedItems(kAddinKey);
  ASSERT_EQ(records.controls.size(), 2u);
  EXPECT_EQ(records.controls[0].tag, u"{A}");
  EXPECT_EQ(records.controls[0].revision, 255);
  EXPECT_EQ(records.controls[1].revision, 0);
  EXPECT_EQ(records.bars, (std::vector<std::u16string>{kBarName}));
  EXPECT_TRUE(ReadRecordedItems(u"\\Software\\Nowhere").controls.empty());
}

}  // namespace
}  // namespace corvane::framework::testing
