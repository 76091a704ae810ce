// The add-in's own toolbar in the simulated Excel: its 23 buttons built on
// the first start with their captions, states and records, found again at a
// restart without a duplicate, and a user's click in Office reaching the
// command through the button's sink.
#include <gtest/gtest.h>

#include "addin/CommandTags.h"
#include "addin/TAddInModule.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/objects/Clicks.h"
#include "tests/addin/SimExcelFixture.h"
#include "tests/sim/office/SimDataDirectory.h"

namespace corvane::framework::testing {
namespace {

constexpr char16_t kToolbar[] = u"Corvane AutoFormat XL";

class AddInToolbarTest : public addin::testing::SimExcelTest {
 protected:
  AddInToolbarTest() {
    presenter.QueueDialog({});  // the About box of the first start
    module = std::make_unique<addin::TAddInModule>();
    module->SetAddInKeyPath(u"Software\\Corvane\\ToolbarTest");
    module->SetHostApp(run.application);
    module->StartupSequence();
  }
  ~AddInToolbarTest() override { module.reset(); }

  std::shared_ptr<sim::office::CommandBarSet> Bars() const { return sim::office::OfficeOf(run)->bars(); }
  std::shared_ptr<sim::office::Control> HostOf(int tag) const {
    const auto* item = module->xlCBar().Controls().FindByTag(tag);
    const auto tagged = Bars()->ControlsTagged(item->OfficeTag());
    return tagged.size() == 1 ? tagged[0] : nullptr;
  }

  // Made before the module starts: the records go to a scratch store.
  registry::ScratchRegistry scratch;
  std::unique_ptr<addin::TAddInModule> module;
};

TEST_F(AddInToolbarTest, TheFirstStartBuildsTheToolbarWithEveryButton) {
  const auto bar = Bars()->Find(kToolbar);
  ASSERT_TRUE(bar);
  ASSERT_EQ(bar->Count(), 23);
  const auto& controls = module->xlCBar().Controls();
  for (size_t i = 0; i < controls.Count(); ++i) {
    const auto& item = controls.Items(i);
    SCOPED_TRACE(item.Tag());
    const auto host = HostOf(item.Tag());
    ASSERT_TRUE(host);
    EXPECT_EQ(host->index(), static_cast<int32_t>(i) + 1);
    EXPECT_EQ(host->props().caption, item.Caption());
    EXPECT_FALSE(host->props().caption.empty());
    EXPECT_EQ(host->props().enabled, item.Enabled());
    EXPECT_EQ(host->temporary(), item.Temporary());
  }
  EXPECT_EQ(module->SinkList().size(), 23u);
}

TEST_F(AddInToolbarTest, AClickInOfficeRunsTheCommandAndTheStatesFollow) {
  Select("C6");
  const std::string before = Selected();
  sim::office::ClickControl(Bars(), HostOf(addin::tags::kDataArea));
  const std::string clicked = Selected();
  EXPECT_NE(clicked, before);
  // The same command run directly selects the same area.
  Select("C6");
  module->xlCBar().Controls().FindByTag(addin::tags::kDataArea)->DoClick();
  EXPECT_EQ(Selected(), clicked);

  // Off the table every button but About goes disabled, in the host too.
  Select("F10");
  sim::office::ClickControl(Bars(), HostOf(addin::tags::kDataArea));
  const auto& controls = module->xlCBar().Controls();
  for (size_t i = 0; i < controls.Count(); ++i) {
    SCOPED_TRACE(controls.Items(i).Tag());
    EXPECT_EQ(HostOf(controls.Items(i).Tag())->props().enabled, controls.Items(i).Tag() == addin::tags::kAbout);
  }
}

// The add-in's own module started with Excel as often as a user restarts
// it, the toolbar kept in the data directory between runs.
class AddInRestartTest : public ::testing::Test {
 protected:
  AddInRestartTest() { sim::Instrumentation::Instance().Reset(); }

  // One run of Excel with the add-in connected and started up; checks are
  // made while it runs, then the add-in is freed and Excel quits.
  void Run(const std::function<void(addin::TAddInModule&, sim::excel::ExcelRun&)>& check) {
    auto run = sim::excel::StartExcel();
    sim::Instrumentation::Instance().Reset();
    if (first) presenter.QueueDialog({});  // the About box of the first start
    {
      addin::TAddInModule module;
      module.SetAddInKeyPath(kKeyPath);
      module.SetHostApp(run.application);
      module.StartupSequence();
      check(module, run);
      module.Finalize(false);
    }
    // Freed, the add-in holds nothing of Office's.
    for (const char16_t* type : {u"CommandBars", u"CommandBar", u"CommandBarControls", u"CommandBarButton"}) {
      EXPECT_EQ(sim::Instrumentation::Instance().OutstandingReferences(type), 0)
          << com::Utf16ToUtf8(type) << ": " << sim::Instrumentation::Instance().LiveReport();
    }
    com::Dispatch(run.application).Call(0x12E);  // Quit
    first = false;
  }

  static constexpr char16_t kKeyPath[] = u"Software\\Corvane\\RestartTest";

  static int32_t Record(const std::u16string& tag) {
    registry::Registry registry(HKEY_CURRENT_USER);
    if (!registry.OpenKeyReadOnly(u"\\" + std::u16string(kKeyPath) + u"\\Controls")) return -1;
    return registry.ValueExists(tag) ? registry.ReadInteger(tag) : -1;
  }

  registry::ScratchRegistry scratch;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
  sim::office::testing::SimDataDirectory data{"AddInRestartTest"};
  bool first = true;
};

TEST_F(AddInRestartTest, RestartingManyTimesNeverAddsAButtonAndRecordsEachRevisionOnce) {
  for (int start = 0; start < 8; ++start) {
    SCOPED_TRACE(start);
    Run([&](addin::TAddInModule& module, sim::excel::ExcelRun& run) {
      const auto bars = sim::office::OfficeOf(run)->bars();
      ASSERT_TRUE(bars->Find(kToolbar));
      EXPECT_EQ(bars->Find(kToolbar)->Count(), 23);
      const auto& controls = module.xlCBar().Controls();
      size_t temporary = 0;
      for (size_t i = 0; i < controls.Count(); ++i) {
        const auto& item = controls.Items(i);
        SCOPED_TRACE(item.Tag());
        EXPECT_EQ(bars->ControlsTagged(item.OfficeTag()).size(), 1u);
        // Permanent buttons record their revision; the temporary one none.
        EXPECT_EQ(Record(item.OfficeTag()), item.Temporary() ? -1 : item.PropertyChanged());
        temporary += item.Temporary() ? 1 : 0;
      }
      // Only the temporary button, gone with the last run, is added again.
      EXPECT_EQ(sim::Instrumentation::Instance().Calls(u"CommandBarControls", u"Add"), start == 0 ? 23u : temporary);
      EXPECT_EQ(sim::Instrumentation::Instance().Calls(u"CommandBars", u"Add"), start == 0 ? 1u : 0u);
    });
  }
}

}  // namespace
}  // namespace corvane::framework::testing
