// The module against the simulated Excel: recognising the host, the command
// bar collection and the lookups on it (null on every failure), and the
// start-up sequence with its events.
#include <gtest/gtest.h>

#include "framework/events/TExcelApplication.h"
#include "framework/events/TkvxExcelAppEvents.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "published/Office.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "sim/office/OfficeStart.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

using com::ComPtr;
using com::Dispatch;
using com::Variant;
using sim::Instrumentation;

constexpr char16_t kTag[] = u"{0B7F1E94-51C2-4C58-9E0C-3A4D2B6F8E11}";
constexpr int32_t kSaveId = 3;  // a built-in button of "Standard"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Instrumentation::Instance().Reset();
    ASSERT_TRUE(sim::office::OfficeOf(run)) << "the started Excel has no Office half";
  }

  // A custom button with kTag on the built-in "Standard" bar.
  ComPtr<IDispatch> AddTaggedButton() {
    Dispatch bars(Dispatch(run.application).Get(u"CommandBars").ToDispatch());
    Dispatch bar(bars.Get(Office::CommandBars::Item, {Variant(u"Standard")}).ToDispatch());
    Dispatch controls(bar.Get(Office::CommandBar::Controls).ToDispatch());
    Dispatch button(controls.Call(0x60030000, {Variant(1)}).ToDispatch());
    button.Put(Office::CommandBarControl::Tag, Variant(kTag));
    return button.object();
  }

  static int32_t IdOf(const ComPtr<IDispatch>& control) {
    return Dispatch(control).Get(Office::CommandBarControl::Id).ToInt32();
  }
  static std::u16string TagOf(const ComPtr<IDispatch>& control) {
    return Dispatch(control).Get(Office::CommandBarControl::Tag).ToText();
  }

  registry::ScratchRegistry scratch;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
  sim::excel::ExcelRun run = sim::excel::StartExcel();
  TTestModule module;
};

TEST_F(HostTest, ExcelIsRecognisedAndGetsItsApplicationObject) {
  module.SetHostApp(run.application);
  module.DetectHost();
  EXPECT_TRUE(module.HostRecognised());
  EXPECT_EQ(module.HostKind(), ohaExcel);
  ASSERT_NE(module.ExcelApp(), nullptr);
  EXPECT_TRUE(module.ExcelApp()->Connected());
  module.ReleaseHost();
  EXPECT_EQ(module.ExcelApp(), nullptr);
}

TEST_F(HostTest, OnlyTheFirstExcelEventComponentIsConnected) {
  auto* first = new TkvxExcelAppEvents(&module);
  auto* second = new TkvxExcelAppEvents(&module);
  module.SetHostApp(run.application);
  module.DetectHost();
  EXPECT_EQ(module.ConnectedEvents(), first);
  EXPECT_TRUE(first->Connected());
  EXPECT_FALSE(second->Connected());
  module.ReleaseHost();
  EXPECT_FALSE(first->Connected());
  EXPECT_EQ(module.ConnectedEvents(), nullptr);
}

TEST_F(HostTest, WithoutAnEventComponentNoneIsConnected) {
  module.SetHostApp(run.application);
  module.DetectHost();
  EXPECT_NE(module.ExcelApp(), nullptr);
  EXPECT_EQ(module.ConnectedEvents(), nullptr);
}

TEST_F(HostTest, AnEventComponentFreedBeforeTheHostIsReleasedIsNotTouched) {
  auto* events = new TkvxExcelAppEvents(&module);
  module.SetHostApp(run.application);
  module.DetectHost();
  ASSERT_EQ(module.ConnectedEvents(), events);
  delete events;
  module.ReleaseHost();  // ASan would see a use after free
  EXPECT_EQ(module.ConnectedEvents(), nullptr);
}

TEST_F(HostTest, AnObjectThatIsNoOfficeApplicationIsNotRecognised) {
  module.SetHostApp(Dispatch(run.application).Get(u"Workbooks").ToDispatch());
  module.DetectHost();
  EXPECT_FALSE(module.HostRecognised());
  EXPECT_EQ(module.HostKind(), ohaExcel);  // keeps its initial value
  EXPECT_EQ(module.ExcelApp(), nullptr);
  EXPECT_FALSE(module.GetCommandBars());
  EXPECT_FALSE(module.FindCommandBar(u"Standard"));
  EXPECT_FALSE(module.FindHostControlById(1, kSaveId));
}

TEST_F(HostTest, TheCommandBarCollectionOrNullWhenTheHostFails) {
  module.SetHostApp(run.application);
  module.DetectHost();
  const ComPtr<IDispatch> bars = module.GetCommandBars();
  ASSERT_TRUE(bars);
  EXPECT_TRUE(bars.try_query<IUnknown>());
  Instrumentation::Instance().FailMember(u"Application", u"CommandBars", E_FAIL, u"no bars today");
  EXPECT_FALSE(module.GetCommandBars());
  module.FillCommandBarCache();
  EXPECT_FALSE(module.CommandBars());
}

TEST_F(HostTest, FindCommandBarMatchesNamesIgnoringLetterCase) {
  module.SetHostApp(run.application);
  module.DetectHost();
  EXPECT_FALSE(module.CommandBars());
  const ComPtr<IDispatch> bar = module.FindCommandBar(u"sTANDARD");
  ASSERT_TRUE(bar);
  EXPECT_TRUE(module.CommandBars());  // filled on the way
  EXPECT_EQ(Dispatch(bar).Get(Office::CommandBar::Name).ToText(), u"Standard");
  EXPECT_FALSE(module.FindCommandBar(u"Corvane AutoFormat XL"));
}

TEST_F(HostTest, FindCommandBarHandsAFailingHostToItsCaller) {
  module.SetHostApp(run.application);
  module.DetectHost();
  module.FillCommandBarCache();
  Instrumentation::Instance().FailMember(u"CommandBars", u"Count", E_FAIL, u"bars unavailable");
  // The bar building reports it through HandleError; a null here would
  // make it create a second bar of the same name.
  EXPECT_THROW(module.FindCommandBar(u"Standard"), com::ComError);
}

TEST_F(HostTest, ControlLookupsFindTheHostsControls) {
  AddTaggedButton();
  module.SetHostApp(run.application);
  module.DetectHost();
  const ComPtr<IDispatch> standard = module.FindCommandBar(u"Standard");
  ASSERT_TRUE(standard);
  const ComPtr<IDispatch> byTag = module.FindControlByTag(standard, 1, kTag);
  ASSERT_TRUE(byTag);
  EXPECT_EQ(TagOf(byTag), kTag);
  const ComPtr<IDispatch> anywhere = module.FindHostControlByTag(1, kTag);
  ASSERT_TRUE(anywhere);
  EXPECT_EQ(TagOf(anywhere), kTag);
  const ComPtr<IDispatch> save = module.FindControlById(standard, 1, kSaveId);
  ASSERT_TRUE(save);
  EXPECT_EQ(IdOf(save), kSaveId);
  ASSERT_TRUE(module.FindHostControlById(1, kSaveId));
  EXPECT_EQ(IdOf(module.FindHostControlById(1, kSaveId)), kSaveId);
}

TEST_F(HostTest, ControlLookupsGiveNullAndNeverRaise) {
  AddTaggedButton();
  module.SetHostApp(run.application);
  module.DetectHost();
  const ComPtr<IDispatch> standard = module.FindCommandBar(u"Standard");
  ASSERT_TRUE(standard);
  // Not there, a null bar, a wrong type.
  EXPECT_FALSE(module.FindControlByTag(standard, 1, u"{no such tag}"));
  EXPECT_FALSE(module.FindControlByTag(nullptr, 1, kTag));
  EXPECT_FALSE(module.FindControlById(nullptr, 1, kSaveId));
  EXPECT_FALSE(module.FindControlByTag(standard, 10, kTag));
  // The host failing the call.
  Instrumentation::Instance().FailMember(u"CommandBar", u"FindControl", E_FAIL, u"broken");
  Instrumentation::Instance().FailMember(u"CommandBars", u"FindControl", E_FAIL, u"broken");
  EXPECT_FALSE(module.FindControlByTag(standard, 1, kTag));
  EXPECT_FALSE(module.FindControlById(standard, 1, kSaveId));
  EXPECT_FALSE(module.FindHostControlByTag(1, kTag));
  EXPECT_FALSE(module.FindHostControlById(1, kSaveId));
  EXPECT_GE(Instrumentation::Instance().InjectedFailures(), 4u);
  EXPECT_TRUE(presenter.Boxes().empty());  // failures are null, not reports
}

// The sequence as the connection object runs it when Excel reports its
// start-up complete.
class StartupTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    module.SetAddInName(u"Corvane");
    module.SetAddInKeyPath(u"Software\\Microsoft\\Office\\Excel\\Addins\\CVFM.eaCVFM");
    module.SetHostApp(run.application);
  }

  std::vector<std::string> events;
};

TEST_F(StartupTest, EventsComeAtTheirPointsWithTheHostReady) {
  module.OnAddInInitialize = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &module);
    EXPECT_NE(module.ExcelApp(), nullptr);
    EXPECT_TRUE(module.CommandBars());
    EXPECT_EQ(module.StartMode(), kvxStartModeFirstStart);
    events.push_back("initialize");
  };
  module.OnAddInStartupComplete = [&](TObject*) { events.push_back("startup complete"); };
  module.OnAddInFinalize = [&](TObject*) {
    EXPECT_NE(module.ExcelApp(), nullptr);  // still there
    events.push_back("finalize");
  };
  module.OnAddInBeginShutdown = [&](TObject*) { events.push_back("begin shutdown"); };
  module.StartupSequence();
  module.StartupSequence();  // a second request changes nothing
  module.Finalize(false);
  EXPECT_EQ(events, (std::vector<std::string>{"initialize", "startup complete", "finalize"}));
  registry::Registry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(u"\\Software\\Microsoft\\Office\\Excel\\Addins\\CVFM.eaCVFM"));
  EXPECT_EQ(reg.ReadString(u"KVXStartMode"), u"NORMAL");
}

TEST_F(StartupTest, RemovalByTheUserShutsDownAndErasesTheDesignRecords) {
  module.OnAddInBeginShutdown = [&](TObject*) { events.push_back("begin shutdown"); };
  module.OnAddInFinalize = [&](TObject*) { events.push_back("finalize"); };
  module.StartupSequence();
  module.ModuleRegistry().OpenKey(u"Controls", true);
  module.ModuleRegistry().WriteInteger(u"{A}", 3);
  ASSERT_TRUE(module.OpenAddInKey());
  module.Finalize(true);
  EXPECT_EQ(events, (std::vector<std::string>{"begin shutdown", "finalize"}));
  registry::Registry reg;
  EXPECT_FALSE(reg.KeyExists(u"\\Software\\Microsoft\\Office\\Excel\\Addins\\CVFM.eaCVFM\\Controls"));
  EXPECT_TRUE(reg.KeyExists(u"\\Software\\Microsoft\\Office\\Excel\\Addins\\CVFM.eaCVFM"));
}

TEST_F(StartupTest, FailingEventsAreReportedAndTheSequenceGoesOn) {
  module.OnAddInInitialize = [](TObject*) { throw com::ComError(E_FAIL, u"initialize broke"); };
  module.OnAddInStartupComplete = [&](TObject*) { events.push_back("startup complete"); };
  presenter.QueueAnswer(ui::Button::Ok);
  module.StartupSequence();
  EXPECT_EQ(events, (std::vector<std::string>{"startup complete"}));
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].request.text,
            u"Corvane error: the add-in has fired an exception.\r\ninitialize broke");
}

TEST_F(StartupTest, TheModuleLetsGoOfEveryHostObject) {
  const long before = Instrumentation::Instance().OutstandingReferences();
  {
    TTestModule connected;
    connected.SetHostApp(run.application);
    connected.SetAddInKeyPath(u"Software\\Test");
    connected.StartupSequence();
    connected.FindCommandBar(u"Standard");
    EXPECT_GT(Instrumentation::Instance().OutstandingReferences(), before);
  }
  EXPECT_EQ(Instrumentation::Instance().OutstandingReferences(), before) << Instrumentation::Instance().LiveReport();
}

}  // namespace
}  // namespace corvane::framework::testing
