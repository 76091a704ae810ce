// The rules an advanced control puts on its bar and its own properties:
// the bar docked and dock-protected when one is added, the setters that
// would break that refused through HandleError, none inside a popup, no
// caption or help of its own, and a freed component no longer shown.
#include <gtest/gtest.h>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarAdvancedControl.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "platform/com/ComError.h"
#include "tests/framework/TestModule.h"
#include "tests/framework/events/EventsFixture.h"

namespace corvane::framework::testing {
namespace {

constexpr char kPositionRule[] =
    "The command bar containing a TkvxCommandBarAdvancedControl cannot\r\nbe kvxMsoBarPopup and kvxMsoBarMenuBar.";
constexpr char kProtectionRule[] =
    "The command bar containing a TkvxCommandBarAdvancedControl should\r\nhave the kvxMsoBarNoChangeDock protection "
    "type.";

class AdvancedControlTest : public ::testing::Test {
 protected:
  TTestModule module;
  ErrorLog errors{module};
  TkvxCommandBar* bar = new TkvxCommandBar(&module);
};

TEST_F(AdvancedControlTest, AddingOneDocksItsBarAndTheSettersKeepItThere) {
  bar->SetPosition(kvxMsoBarMenuBar);
  bar->SetProtection(kvxMsoBarNoMove);
  bar->Controls().AddControl(kvxKindAdvancedControl);
  EXPECT_EQ(bar->Position(), kvxMsoBarTop);
  EXPECT_EQ(bar->Protection(), kvxMsoBarNoChangeDock);
  EXPECT_TRUE(errors.messages.empty());

  struct Step {
    void (*set)(TkvxCommandBar&);
    const char* error;  // null: accepted
  };
  const Step steps[] = {
      {[](TkvxCommandBar& b) { b.SetPosition(kvxMsoBarPopup); }, kPositionRule},
      {[](TkvxCommandBar& b) { b.SetPosition(kvxMsoBarMenuBar); }, kPositionRule},
      {[](TkvxCommandBar& b) { b.SetPosition(kvxMsoBarLeft); }, nullptr},
      {[](TkvxCommandBar& b) { b.SetProtection(kvxMsoBarNoProtection); }, kProtectionRule},
      {[](TkvxCommandBar& b) { b.SetProtection(kvxMsoBarNoMove); }, kProtectionRule},
      {[](TkvxCommandBar& b) { b.SetProtection(kvxMsoBarNoChangeDock); }, nullptr},
  };
  for (const Step& step : steps) {
    errors.messages.clear();
    step.set(*bar);
    EXPECT_EQ(errors.messages, step.error ? std::vector<std::string>{step.error} : std::vector<std::string>{});
  }
  // Refused settings left the bar as it was.
  EXPECT_EQ(bar->Position(), kvxMsoBarLeft);
  EXPECT_EQ(bar->Protection(), kvxMsoBarNoChangeDock);
}

TEST_F(AdvancedControlTest, ABarWithoutOneTakesAnyPositionAndProtection) {
  bar->Controls().AddControl(kvxKindButton);
  bar->SetPosition(kvxMsoBarPopup);
  bar->SetProtection(kvxMsoBarNoMove);
  EXPECT_EQ(bar->Position(), kvxMsoBarPopup);
  EXPECT_EQ(bar->Protection(), kvxMsoBarNoMove);
  EXPECT_TRUE(errors.messages.empty());
}

TEST_F(AdvancedControlTest, APopupRefusesOneAndKeepsNothingOfIt) {
  auto& popup = static_cast<TkvxCommandBarPopup&>(bar->Controls().AddControl(kvxKindPopup));
  try {
    popup.Controls().AddControl(kvxKindAdvancedControl);
    ADD_FAILURE() << "added";
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.description(),
              u"The TkvxCommandBarAdvancedControl cannot be placed into the TkvxCommandBarPopup control.");
  }
  EXPECT_EQ(popup.Controls().Count(), 0u);
  EXPECT_EQ(bar->Protection(), kvxMsoBarNoProtection);
}

TEST_F(AdvancedControlTest, ItHasNoCaptionHelpOrIdOfItsOwnAndForgetsAFreedComponent) {
  auto& advanced = static_cast<TkvxCommandBarAdvancedControl&>(bar->Controls().AddControl(kvxKindAdvancedControl));
  advanced.SetCaption(u"Find");
  advanced.SetHelpFile(u"help.chm");
  advanced.SetTooltipText(u"tip");
  advanced.SetHelpContextID(7);
  advanced.SetOfficeID(3);
  advanced.SetDescriptionText(u"kept");
  EXPECT_EQ(advanced.Caption(), u"");
  EXPECT_EQ(advanced.HelpFile(), u"");
  EXPECT_EQ(advanced.TooltipText(), u"");
  EXPECT_EQ(advanced.HelpContextID(), 0);
  EXPECT_EQ(advanced.OfficeID(), 1);
  EXPECT_EQ(advanced.DescriptionText(), u"kept");

  auto* shown = new TComponent(&module);
  auto* other = new TComponent(&module);
  advanced.SetControl(shown);
  delete other;
  EXPECT_EQ(advanced.Control(), shown);
  delete shown;
  EXPECT_EQ(advanced.Control(), nullptr);
}

}  // namespace
}  // namespace corvane::framework::testing
