// The add-in's own toolbar in the simulated Excel: its 23 buttons built on
// the first start with their captions, states and records, found again at a
// restart without a duplicate, and a user's click in Office reaching the
// command through the button's sink.
#include <gtest/gtest.h>

#include "addin/CommandTags.h"
#include "addin/TAddInModule.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "platform/registry/ScratchRegistry.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/objects/Clicks.h"
#include "tests/addin/SimExcelFixture.h"

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

}  // namespace
}  // namespace corvane::framework::testing
