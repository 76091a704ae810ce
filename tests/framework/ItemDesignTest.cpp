// The design text of the item kinds besides the button: a bar holding one
// of each, a popup with items of its own, read, written and read again to
// the same text; and the faults particular to them.
#include <gtest/gtest.h>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarAdvancedControl.h"
#include "framework/commandbars/TkvxCommandBarComboBox.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "framework/design/DesignError.h"
#include "framework/hosting/ModuleDesign.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

// A shown component must come before the bar; TTestModule's design may
// name any component class the catalogue has, so the first bar stands in.
const std::string kDesign =
    "object OfficeAddInModule: TTestModule\n"
    "  AddInName = \"Corvane\"\n"
    "  object xlShown: TkvxCommandBar\n"
    "    SupportedApps = [ohaExcel]\n"
    "    CommandBarName = \"Shown\"\n"
    "    ButtonTypes = {\n"
    "      00000000\n"
    "    }\n"
    "    Buttons = <>\n"
    "    PropertyChanged = 0\n"
    "  end\n"
    "  object xlCBar: TkvxCommandBar\n"
    "    SupportedApps = [ohaExcel]\n"
    "    CommandBarName = \"Kinds\"\n"
    "    Position = kvxMsoBarTop\n"
    "    Protection = kvxMsoBarNoChangeDock\n"
    "    ButtonTypes = {\n"
    "      06000000010000000200000003000000040000000500000006000000\n"
    "    }\n"
    "    Buttons = <\n"
    "      item\n"
    "        Caption = \"Find\"\n"
    "        OfficeTag = \"{00000000-0000-4000-8000-000000000001}\"\n"
    "        olExplorerItemTypes = [kvxOLMailItem]\n"
    "        olInspectorItemTypes = [kvxOLMail]\n"
    "        Style = kvxMsoComboLabel\n"
    "        Text = \"look for\"\n"
    "        OnChange = ButtonClick\n"
    "        PropertyChanged = 1\n"
    "      end\n"
    "      item\n"
    "        OfficeTag = \"{00000000-0000-4000-8000-000000000002}\"\n"
    "        olExplorerItemTypes = [kvxOLMailItem]\n"
    "        olInspectorItemTypes = [kvxOLMail]\n"
    "        DropdownLines = 4\n"
    "        Items.Strings = (\n"
    "          \"Sum\"\n"
    "          \"Count \\\"all\\\"\"\n"
    "        )\n"
    "        ListIndex = 1\n"
    "        PropertyChanged = 2\n"
    "      end\n"
    "      item\n"
    "        OfficeTag = \"{00000000-0000-4000-8000-000000000003}\"\n"
    "        olExplorerItemTypes = [kvxOLMailItem]\n"
    "        olInspectorItemTypes = [kvxOLMail]\n"
    "        DropdownWidth = 120\n"
    "        ListHeaderCount = 0\n"
    "        Text = \"mine\"\n"
    "        OnChange = OtherClick\n"
    "        PropertyChanged = 3\n"
    "      end\n"
    "      item\n"
    "        Caption = \"Menu\"\n"
    "        OfficeTag = \"{00000000-0000-4000-8000-000000000004}\"\n"
    "        olExplorerItemTypes = [kvxOLMailItem]\n"
    "        olInspectorItemTypes = [kvxOLMail]\n"
    "        Tag = 40\n"
    "        ButtonTypes = {\n"
    "          020000000000000001000000\n"
    "        }\n"
    "        Buttons = <\n"
    "          item\n"
    "            Caption = \"Inside\"\n"
    "            OfficeTag = \"{00000000-0000-4000-8000-000000000005}\"\n"
    "            olExplorerItemTypes = [kvxOLMailItem]\n"
    "            olInspectorItemTypes = [kvxOLMail]\n"
    "            Tag = 41\n"
    "            OnClick = ButtonClick\n"
    "            PropertyChanged = 5\n"
    "          end\n"
    "          item\n"
    "            OfficeTag = \"{00000000-0000-4000-8000-000000000006}\"\n"
    "            olExplorerItemTypes = [kvxOLMailItem]\n"
    "            olInspectorItemTypes = [kvxOLMail]\n"
    "            Text = \"typed\"\n"
    "            PropertyChanged = 6\n"
    "          end\n"
    "        >\n"
    "        PropertyChanged = 4\n"
    "      end\n"
    "      item\n"
    "        OfficeID = 3\n"
    "        OfficeTag = \"{00000000-0000-4000-8000-000000000007}\"\n"
    "        olExplorerItemTypes = [kvxOLMailItem]\n"
    "        olInspectorItemTypes = [kvxOLMail]\n"
    "        PropertyChanged = 7\n"
    "      end\n"
    "      item\n"
    "        OfficeTag = \"{00000000-0000-4000-8000-000000000008}\"\n"
    "        olExplorerItemTypes = [kvxOLMailItem]\n"
    "        olInspectorItemTypes = [kvxOLMail]\n"
    "        Control = xlShown\n"
    "        PropertyChanged = 8\n"
    "      end\n"
    "    >\n"
    "    PropertyChanged = 3\n"
    "  end\n"
    "end\n";

TkvxCommandBar& KindsBar(TkvxCOMAddInModule& module) { return dynamic_cast<TkvxCommandBar&>(*module.Components(1)); }

template <class T>
T& Item(TkvxCOMAddInModule& module, size_t index) {
  return dynamic_cast<T&>(KindsBar(module).Controls().Items(index));
}

TEST(ItemDesignTest, EveryKindIsReadAndWrittenBackToTheSameText) {
  TTestModule module(kDesign);
  EXPECT_EQ(WriteDesign(module), kDesign);

  auto& edit = Item<TkvxCustomCommandBarComboBox>(module, 0);
  EXPECT_EQ(edit.ClassName(), "TkvxCommandBarEdit");
  EXPECT_EQ(edit.Style(), kvxMsoComboLabel);
  EXPECT_EQ(edit.Text(), u"look for");
  ASSERT_TRUE(edit.OnChange);
  edit.DoClick();
  ASSERT_EQ(module.calls.size(), 1u);
  EXPECT_EQ(module.calls[0].what, "click");
  EXPECT_EQ(module.calls[0].sender, &edit);

  auto& list = Item<TkvxCustomCommandBarComboBox>(module, 1);
  EXPECT_EQ(list.ClassName(), "TkvxCommandBarDropDownList");
  EXPECT_EQ(list.Items(), (std::vector<std::u16string>{u"Sum", u"Count \"all\""}));
  EXPECT_EQ(list.DropdownLines(), 4);
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(Item<TkvxCommandBarComboBox>(module, 2).ListHeaderCount(), 0);

  auto& popup = Item<TkvxCommandBarPopup>(module, 3);
  ASSERT_EQ(popup.Controls().Count(), 2u);
  EXPECT_EQ(popup.Controls().Items(0).Caption(), u"Inside");
  EXPECT_EQ(popup.Controls().Items(1).ClassName(), "TkvxCommandBarEdit");
  EXPECT_EQ(popup.Controls().Items(1).ParentPopup(), &popup);
  EXPECT_EQ(&popup.Controls().Items(1).OwnerBar(), &KindsBar(module));

  EXPECT_EQ(Item<TkvxCommandBarControl>(module, 4).OfficeID(), 3);
  EXPECT_EQ(Item<TkvxCommandBarAdvancedControl>(module, 5).Control(), module.Components(0));
}

// The text of one bar's items ("ButtonTypes" up to the bar's revision).
std::string ItemsText(const std::string& design, const std::string& bar) {
  const size_t start = design.find("    ButtonTypes", design.find("object " + bar + ":"));
  return design.substr(start, design.find("\n    PropertyChanged", start) - start);
}

TEST(ItemDesignTest, AssigningABarsItemsCopiesEveryKindWithItsProperties) {
  TTestModule module(kDesign);
  auto& copy = dynamic_cast<TkvxCommandBar&>(*module.Components(0));
  // Handlers are not part of the copy: clear them on the source first.
  for (size_t i = 0; i < KindsBar(module).Controls().Count(); ++i) {
    module.DesignNames().Forget(&KindsBar(module).Controls().Items(i));
  }
  module.DesignNames().Forget(&Item<TkvxCommandBarPopup>(module, 3).Controls().Items(0));
  copy.SetControls(KindsBar(module).Controls());
  const std::string written = WriteDesign(module);
  EXPECT_EQ(ItemsText(written, "xlShown"), ItemsText(written, "xlCBar"));
  // Copies, not the originals.
  auto& copiedPopup = dynamic_cast<TkvxCommandBarPopup&>(copy.Controls().Items(3));
  EXPECT_NE(&copiedPopup, &Item<TkvxCommandBarPopup>(module, 3));
  EXPECT_EQ(&copiedPopup.Controls().Items(0).OwnerBar(), &copy);
  EXPECT_EQ(copiedPopup.Controls().Items(0).ParentPopup(), &copiedPopup);
  // Assigning again replaces rather than appends.
  copy.SetControls(KindsBar(module).Controls());
  EXPECT_EQ(copy.Controls().Count(), 6u);
}

TEST(ItemDesignTest, FaultsOfTheItemKindsFailTheCreationNamingThePlace) {
  const auto replace = [](const std::string& from, const std::string& to) {
    std::string text = kDesign;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  struct Damage {
    std::string design;
    std::string place;
    std::string what;
  };
  const std::string bar = "OfficeAddInModule.xlCBar.";
  const Damage damages[] = {
      {replace("Control = xlShown", "Control = xlNowhere"), bar + "Buttons[5].Control",
       "unknown component \"xlNowhere\""},
      {replace("Control = xlShown", "Control = \"xlShown\""), bar + "Buttons[5].Control", "expected a component name"},
      {replace("          \"Sum\"\n", "          Sum\n"), bar + "Buttons[1].Items.Strings",
       "expected a string or \")\", got \"Sum\""},
      {replace("Text = \"mine\"", "Items.Strings = ()\n        Text = \"mine\"\n        Items.Strings = ()"),
       bar + "Buttons[2].Items.Strings", "property \"Items.Strings\" given twice"},
      // An edit box keeps no list.
      {replace("Text = \"look for\"", "Items.Strings = ()"), bar + "Buttons[0].Items.Strings",
       "unknown property \"Items.Strings\""},
      {replace("020000000000000001000000", "020000000000000006000000"), bar + "Buttons[3].Buttons[1]",
       "The TkvxCommandBarAdvancedControl cannot be placed into the TkvxCommandBarPopup control."},
      {replace("020000000000000001000000", "01000000000000000"), bar + "Buttons[3].ButtonTypes",
       "odd number of hex digits"},
      {replace("020000000000000001000000", "0100000000000000"), bar + "Buttons[3].Buttons[1]",
       "Buttons[1] has no kind in ButtonTypes (1 kinds)"},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    try {
      TTestModule module(damage.design);
      ADD_FAILURE() << "the module was created";
    } catch (const DesignError& error) {
      EXPECT_EQ(error.Place(), damage.place);
      EXPECT_EQ(error.What(), damage.what);
    }
  }
}

}  // namespace
}  // namespace corvane::framework::testing
