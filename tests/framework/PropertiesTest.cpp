// Published properties of the module, the bar and the button: their
// defaults, the values they store, and the framework's 31101 refusals.
#include <gtest/gtest.h>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "platform/com/ComError.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

TEST(PropertiesTest, ModuleDefaults) {
  TTestModule module;
  EXPECT_EQ(module.AddInName(), u"");
  EXPECT_EQ(module.Description(), u"");
  EXPECT_FALSE(module.DisplayAlerts());
  EXPECT_EQ(module.LoadBehavior(), 3);
  EXPECT_FALSE(module.RegisterForAllUsers());
  EXPECT_EQ(module.SupportedApps(), (TkvxHostAppSet{ohaExcel}));
  EXPECT_FALSE(module.XLAutomationAddIn());
  EXPECT_FALSE(module.HandleShortcuts());
  EXPECT_EQ(module.StartMode(), kvxStartModeFirstStart);
  EXPECT_FALSE(module.HostApp());
  EXPECT_EQ(module.ExcelApp(), nullptr);
  EXPECT_FALSE(module.OnError || module.OnAddInInitialize || module.OnAddInStartupComplete ||
               module.OnAddInBeginShutdown || module.OnAddInFinalize || module.OnAfterAddinRegister ||
               module.OnBeforeAddinUnregister);
}

// Each refusal raises 31101 with the property's name and keeps the old value.
TEST(PropertiesTest, EmptyRequiredPropertiesAreRefusedAndKeepTheirValue) {
  TTestModule module;
  module.SetAddInName(u"Corvane");
  auto* bar = new TkvxCommandBar(&module);
  bar->SetCommandBarName(u"Tools");
  struct Case {
    std::function<void()> set;
    std::u16string message;
    std::function<bool()> unchanged;
  };
  const Case cases[] = {
      {[&] { module.SetAddInName(u""); }, u"The AddInName property can not be empty.",
       [&] { return module.AddInName() == u"Corvane"; }},
      {[&] { module.SetSupportedApps({}); }, u"The SupportedApps property can not be empty.",
       [&] { return module.SupportedApps() == TkvxHostAppSet{ohaExcel}; }},
      {[&] { bar->SetCommandBarName(u""); }, u"The CommandBarName property can not be empty.",
       [&] { return bar->CommandBarName() == u"Tools"; }},
  };
  for (const auto& c : cases) {
    try {
      c.set();
      ADD_FAILURE() << "accepted: " << com::Utf16ToUtf8(c.message);
    } catch (const com::ComError& error) {
      EXPECT_EQ(error.code(), 31101);
      EXPECT_EQ(error.description(), c.message);
    }
    EXPECT_TRUE(c.unchanged());
  }
}

TEST(PropertiesTest, BarDefaultsAndNameLocalFollowingTheName) {
  TTestModule module;
  auto* bar = new TkvxCommandBar(&module);
  EXPECT_EQ(bar->Position(), kvxMsoBarFloating);
  EXPECT_TRUE(bar->Enabled());
  EXPECT_TRUE(bar->Visible());
  EXPECT_EQ(bar->CommandBarLeft(), -1);
  EXPECT_EQ(bar->CommandBarTop(), -1);
  EXPECT_EQ(bar->RowIndex(), -1);
  EXPECT_EQ(bar->Protection(), kvxMsoBarNoProtection);
  EXPECT_FALSE(bar->Temporary());
  EXPECT_EQ(bar->PropertyChanged(), 0);
  EXPECT_EQ(bar->Controls().Count(), 0u);
  EXPECT_FALSE(bar->HostBar());
  bar->SetCommandBarName(u"First");
  bar->SetCommandBarName(u"Second");
  EXPECT_EQ(bar->NameLocal(), u"First");  // set once, from the first name
}

TEST(PropertiesTest, ButtonDefaults) {
  TTestModule module;
  auto* bar = new TkvxCommandBar(&module);
  auto& button = dynamic_cast<TkvxCommandBarButton&>(bar->Controls().AddControl(kvxKindButton));
  EXPECT_EQ(button.ControlKind(), kvxKindButton);
  EXPECT_EQ(button.Tag(), 0);
  EXPECT_EQ(button.PropertyChanged(), 0);
  EXPECT_FALSE(button.BeginGroup());
  EXPECT_EQ(button.Caption(), u"");
  EXPECT_EQ(button.DescriptionText(), u"");
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(button.Height(), 0);
  EXPECT_EQ(button.HelpContextID(), 0);
  EXPECT_EQ(button.HelpFile(), u"");
  EXPECT_EQ(button.Parameter(), u"");
  EXPECT_EQ(button.Priority(), 0);
  EXPECT_EQ(button.TooltipText(), u"");
  EXPECT_TRUE(button.Visible());
  EXPECT_EQ(button.Width(), 0);
  EXPECT_FALSE(button.Temporary());
  EXPECT_EQ(button.AfterID(), 0);
  EXPECT_EQ(button.Before(), 0);
  EXPECT_EQ(button.BeforeID(), 0);
  EXPECT_EQ(button.OfficeID(), 1);
  EXPECT_EQ(button.FaceID(), 0);
  EXPECT_EQ(button.ShortcutText(), u"");
  EXPECT_EQ(button.State(), kvxMsoButtonUp);
  EXPECT_EQ(button.Style(), kvxMsoButtonAutomatic);
  EXPECT_EQ(button.HyperlinkType(), kvxMsoCommandBarButtonHyperlinkNone);
  EXPECT_TRUE(button.Glyph().empty());
  EXPECT_EQ(button.GlyphTransparentColor(), 0x20000000);
  EXPECT_FALSE(button.DisableStandardAction());
  EXPECT_FALSE(button.OnClick);
  EXPECT_FALSE(button.HostControl());
}

TEST(PropertiesTest, EachButtonGetsItsOwnOfficeTagAndItsBarsTemporary) {
  TTestModule module;
  auto* bar = new TkvxCommandBar(&module);
  bar->SetTemporary(true);
  auto& first = bar->Controls().AddControl(kvxKindButton);
  auto& second = bar->Controls().AddControl(kvxKindButton);
  EXPECT_TRUE(first.Temporary());
  // A braced GUID text: 38 characters.
  ASSERT_EQ(first.OfficeTag().size(), 38u);
  EXPECT_EQ(first.OfficeTag().front(), u'{');
  EXPECT_EQ(first.OfficeTag().back(), u'}');
  EXPECT_NE(first.OfficeTag(), second.OfficeTag());
}

TEST(PropertiesTest, ButtonSettersStoreWhileUnbound) {
  TTestModule module;
  auto* bar = new TkvxCommandBar(&module);
  auto& button = dynamic_cast<TkvxCommandBarButton&>(bar->Controls().AddControl(kvxKindButton));
  button.SetCaption(u"Select Data Area*");
  button.SetEnabled(false);
  button.SetVisible(false);
  button.SetState(kvxMsoButtonDown);
  button.SetStyle(kvxMsoButtonIconAndWrapCaptionBelow);
  button.SetTag(1);
  button.SetOfficeTag(u"{EFC1B257-B9F3-4E90-9B72-D6485DA704E7}");
  button.SetGlyph({'B', 'M'});
  EXPECT_EQ(button.Caption(), u"Select Data Area*");
  EXPECT_FALSE(button.Enabled());
  EXPECT_FALSE(button.Visible());
  EXPECT_EQ(button.State(), kvxMsoButtonDown);
  EXPECT_EQ(static_cast<int>(button.Style()), 15);  // Office's own number
  EXPECT_EQ(button.Tag(), 1);
  EXPECT_EQ(button.OfficeTag(), u"{EFC1B257-B9F3-4E90-9B72-D6485DA704E7}");
  EXPECT_EQ(button.Glyph().size(), 2u);
}

}  // namespace
}  // namespace corvane::framework::testing
