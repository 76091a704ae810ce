// The design text: a module streamed in with its bar and items, written
// back (read, write, read gives the same), and every damaged design failing
// the module's creation with the place named.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/design/DesignError.h"
#include "framework/hosting/ModuleDesign.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

// The 2 x 2, 24-bit bitmap of the format description, with its count.
constexpr char kGlyph[] =
    "        Glyph.Data = {\n"
    "          46000000424D4600000000000000360000002800000002000000020000000100\n"
    "          18000000000010000000130B0000130B00000000000000000000FF00FF0000FF\n"
    "          0000FF00FF0000FF0000\n"
    "        }\n";

std::string Design(const std::string& moduleProps, const std::string& barProps, const std::string& types,
                   const std::string& items) {
  return "# a test design\n"
         "object OfficeAddInModule: TTestModule\n" +
         moduleProps +
         "  object xlCBar: TkvxCommandBar\n"
         "    SupportedApps = [ohaExcel]\n"
         "    CommandBarName = \"Corvane AutoFormat XL\"\n" +
         barProps + "    ButtonTypes = {\n      " + types + "\n    }\n    Buttons = <\n" + items +
         "    >\n"
         "    PropertyChanged = 3\n"
         "  end\n"
         "end\n";
}

const std::string kModuleProps =
    "  AddInName = \"Corvane\"\n"
    "  Description = \"Desc\"\n"
    "  OnCreate = ModuleCreate\n"
    "  OnError = ModuleError\n"
    "  OnAddInInitialize = ModuleInitialize\n";

const std::string kFirstItem = std::string(
                                   "      item\n"
                                   "        BeginGroup = true\n"
                                   "        Caption = \"Select pivot table*\"\n"
                                   "        Enabled = false\n"
                                   "        Parameter = \"PivotTable\"\n"
                                   "        OfficeTag = \"{EFC1B257-B9F3-4E90-9B72-D6485DA704E7}\"\n"
                                   "        olExplorerItemTypes = [kvxOLMailItem]\n"
                                   "        olInspectorItemTypes = [kvxOLMail]\n"
                                   "        Tag = 20\n"
                                   "        Style = kvxMsoButtonIcon\n") +
                               kGlyph +
                               "        OnClick = ButtonClick\n"
                               "        PropertyChanged = 12\n"
                               "      end\n";

const std::string kSecondItem =
    "      item\n"
    "        Caption = \"About \\\"Corvane\\\"\\r\\n\\u00E9t\\u00E9 \xC3\xA9\"\n"
    "        DescriptionText = \"Shows the About box\"\n"
    "        OfficeTag = \"{0B7F1E94-51C2-4C58-9E0C-3A4D2B6F8E11}\"\n"
    "        olExplorerItemTypes = [kvxOLMailItem, kvxOLTaskItem]\n"
    "        olInspectorItemTypes = []\n"
    "        Temporary = true\n"
    "        Tag = 99\n"
    "        State = kvxMsoButtonDown\n"
    "        GlyphTransparentColor = 0xFF00FF\n"
    "        OnClick = OtherClick\n"
    "        PropertyChanged = 2\n"
    "      end\n";

const std::string kTwoKinds = "02000000 00000000 00000000";

std::string GoodDesign() { return Design(kModuleProps, "    RowIndex = 2\n", kTwoKinds, kFirstItem + kSecondItem); }

TkvxCommandBarButton& Button(TkvxCOMAddInModule& module, size_t index) {
  auto& bar = dynamic_cast<TkvxCommandBar&>(*module.Components(0));
  return dynamic_cast<TkvxCommandBarButton&>(bar.Controls().Items(index));
}

TEST(DesignTest, TheDesignIsStreamedIntoTheModule) {
  TTestModule module(GoodDesign());
  EXPECT_EQ(module.Name(), "OfficeAddInModule");
  EXPECT_EQ(module.AddInName(), u"Corvane");
  EXPECT_EQ(module.Description(), u"Desc");
  ASSERT_EQ(module.calls.size(), 1u);  // OnCreate, once the design was in
  EXPECT_EQ(module.calls[0].what, "create");
  ASSERT_EQ(module.ComponentCount(), 1u);
  auto& bar = dynamic_cast<TkvxCommandBar&>(*module.Components(0));
  EXPECT_EQ(bar.Name(), "xlCBar");
  EXPECT_EQ(bar.CommandBarName(), u"Corvane AutoFormat XL");
  EXPECT_EQ(bar.RowIndex(), 2);
  EXPECT_EQ(bar.PropertyChanged(), 3);
  ASSERT_EQ(bar.Controls().Count(), 2u);

  auto& first = Button(module, 0);
  EXPECT_TRUE(first.BeginGroup());
  EXPECT_EQ(first.Caption(), u"Select pivot table*");
  EXPECT_FALSE(first.Enabled());
  EXPECT_EQ(first.Parameter(), u"PivotTable");
  EXPECT_EQ(first.OfficeTag(), u"{EFC1B257-B9F3-4E90-9B72-D6485DA704E7}");
  EXPECT_EQ(first.Tag(), 20);
  EXPECT_EQ(first.Style(), kvxMsoButtonIcon);
  EXPECT_EQ(first.PropertyChanged(), 12);
  ASSERT_EQ(first.Glyph().size(), 70u);
  EXPECT_EQ(first.Glyph()[0], 'B');
  EXPECT_FALSE(first.Temporary());

  auto& second = Button(module, 1);
  EXPECT_EQ(second.Caption(), u"About \"Corvane\"\r\n\u00E9t\u00E9 \u00E9");
  EXPECT_TRUE(second.Temporary());
  EXPECT_EQ(second.State(), kvxMsoButtonDown);
  EXPECT_EQ(second.GlyphTransparentColor(), 0xFF00FF);
  EXPECT_EQ(second.olExplorerItemTypes(), (1u << kvxOLMailItem) | (1u << kvxOLTaskItem));
  EXPECT_EQ(second.olInspectorItemTypes(), 0u);
  EXPECT_TRUE(second.Glyph().empty());
}

TEST(DesignTest, HandlerNamesAreBoundToTheModulesMembers) {
  TTestModule module(GoodDesign());
  module.calls.clear();
  Button(module, 0).DoClick();
  Button(module, 1).DoClick();
  module.RaiseEvent(module.OnAddInInitialize);
  bool handled = false;
  module.OnError(&module, std::runtime_error("x"), handled);
  ASSERT_EQ(module.calls.size(), 4u);
  EXPECT_EQ(module.calls[0].what, "click");
  EXPECT_EQ(module.calls[0].sender, &Button(module, 0));
  EXPECT_EQ(module.calls[1].what, "other click");
  EXPECT_EQ(module.calls[2].what, "initialize");
  EXPECT_EQ(module.calls[2].sender, &module);
  EXPECT_EQ(module.calls[3].what, "error x");
  EXPECT_TRUE(handled);
}

TEST(DesignTest, ReadWriteReadGivesTheSameDesign) {
  TTestModule first(GoodDesign());
  const std::string written = WriteDesign(first);
  TTestModule second(written);
  EXPECT_EQ(WriteDesign(second), written);
  // Only what differs from the defaults, in the fixed order.
  const std::string expectedBar =
      "  object xlCBar: TkvxCommandBar\n"
      "    SupportedApps = [ohaExcel]\n"
      "    CommandBarName = \"Corvane AutoFormat XL\"\n"
      "    RowIndex = 2\n"
      "    ButtonTypes = {\n"
      "      020000000000000000000000\n"
      "    }\n"
      "    Buttons = <\n";
  EXPECT_NE(written.find(expectedBar), std::string::npos) << written;
  const std::string expectedSecond =
      "      item\n"
      "        Caption = \"About \\\"Corvane\\\"\\r\\n\xC3\xA9t\xC3\xA9 \xC3\xA9\"\n"
      "        DescriptionText = \"Shows the About box\"\n"
      "        OfficeTag = \"{0B7F1E94-51C2-4C58-9E0C-3A4D2B6F8E11}\"\n"
      "        olExplorerItemTypes = [kvxOLMailItem, kvxOLTaskItem]\n"
      "        olInspectorItemTypes = []\n"
      "        Temporary = true\n"
      "        Tag = 99\n"
      "        State = kvxMsoButtonDown\n"
      "        GlyphTransparentColor = 16711935\n"
      "        OnClick = OtherClick\n"
      "        PropertyChanged = 2\n"
      "      end\n"
      "    >\n"
      "    PropertyChanged = 3\n";
  EXPECT_NE(written.find(expectedSecond), std::string::npos) << written;
  EXPECT_EQ(written.rfind("object OfficeAddInModule: TTestModule\n"
                          "  AddInName = \"Corvane\"\n"
                          "  Description = \"Desc\"\n"
                          "  OnCreate = ModuleCreate\n"
                          "  OnError = ModuleError\n"
                          "  OnAddInInitialize = ModuleInitialize\n",
                          0),
            0u)
      << written;
  // The same items on both sides.
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(Button(first, i).Caption(), Button(second, i).Caption());
    EXPECT_EQ(Button(first, i).OfficeTag(), Button(second, i).OfficeTag());
    EXPECT_EQ(Button(first, i).Glyph(), Button(second, i).Glyph());
    EXPECT_EQ(Button(first, i).Temporary(), Button(second, i).Temporary());
  }
}

TEST(DesignTest, LineEndingsAndAByteOrderMarkOfOtherEditorsReadTheSame) {
  std::string windows = "\xEF\xBB\xBF";
  for (char c : GoodDesign()) {
    if (c == '\n') windows += '\r';
    windows += c;
  }
  TTestModule plain(GoodDesign());
  TTestModule edited(windows);
  EXPECT_EQ(WriteDesign(edited), WriteDesign(plain));
}

TEST(DesignTest, ATemporaryBarMakesTemporaryItemsTheDefault) {
  const std::string item =
      "      item\n"
      "        OfficeTag = \"{1}\"\n"
      "        olExplorerItemTypes = [kvxOLMailItem]\n"
      "        olInspectorItemTypes = [kvxOLMail]\n"
      "        PropertyChanged = 1\n"
      "      end\n";
  TTestModule module(Design(kModuleProps, "    Temporary = true\n", "01000000 00000000", item));
  EXPECT_TRUE(Button(module, 0).Temporary());
  const std::string written = WriteDesign(module);
  EXPECT_EQ(written.find("        Temporary"), std::string::npos) << written;
}

// lineOf: the text whose first line is the one the error must name; empty
// for the end of the text (a truncated design).
struct Damage {
  const char* name;
  std::string design;
  std::string lineOf;
  std::string place;
  std::string what;
};

int LineOf(const std::string& text, const std::string& marker) {
  const size_t at = marker.empty() ? text.size() : text.find(marker);
  EXPECT_NE(at, std::string::npos) << marker;
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

std::vector<Damage> Damages() {
  const std::string good = GoodDesign();
  const auto replace = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const std::string item = "OfficeAddInModule.xlCBar.Buttons[0].";
  // 32 levels inside the module: one more than a design may nest.
  std::string objects = "object OfficeAddInModule: TTestModule\n";
  std::string collections = objects;
  std::string objectPath = "OfficeAddInModule";
  std::string collectionPath = objectPath;
  for (int level = 1; level <= 32; ++level) {
    const std::string n = std::to_string(level);
    objects += "object o" + n + ": TkvxCommandBar\n";
    collections += "X" + n + " = <\nitem\n";
    if (level < 32) objectPath += ".o" + n;
    collectionPath += ".X" + n + (level < 32 ? "[0]" : "");
  }
  return {
      {"unknown handler", replace("OnClick = OtherClick", "OnClick = OtherClik"), "OtherClik",
       "OfficeAddInModule.xlCBar.Buttons[1].OnClick", "unknown handler \"OtherClik\""},
      {"handler of the wrong shape", replace("OnAddInInitialize = ModuleInitialize", "OnAddInInitialize = ModuleError"),
       "OnAddInInitialize", "OfficeAddInModule.OnAddInInitialize",
       "handler \"ModuleError\" does not fit OnAddInInitialize"},
      {"unknown property", replace("Caption = \"Select", "Captoin = \"Select"), "Captoin", item + "Captoin",
       "unknown property \"Captoin\""},
      {"property twice", replace("    RowIndex = 2\n", "    RowIndex = 2\n    RowIndex = 4\n"), "RowIndex = 4",
       "OfficeAddInModule.xlCBar.RowIndex", "property \"RowIndex\" given twice"},
      {"unknown class", replace("TkvxCommandBar\n", "TkvxToolbar\n"), "TkvxToolbar", "OfficeAddInModule.xlCBar",
       "unknown class \"TkvxToolbar\""},
      {"design of another module", replace("TTestModule", "TAddInModule"), "TAddInModule", "OfficeAddInModule",
       "the design is for \"TAddInModule\", not for \"TTestModule\""},
      {"boolean of the wrong kind", replace("BeginGroup = true", "BeginGroup = yes"), "BeginGroup", item + "BeginGroup",
       "expected a boolean, got yes"},
      {"integer out of range", replace("Tag = 20", "Tag = 2147483648"), "Tag = 2147483648", item + "Tag",
       "2147483648 is out of range"},
      {"string for an integer", replace("Tag = 20", "Tag = \"20\""), "Tag = \"20\"", item + "Tag",
       "expected an integer, got \"20\""},
      {"unknown value", replace("kvxMsoButtonIcon", "kvxMsoButtonHuge"), "kvxMsoButtonHuge", item + "Style",
       "unknown value \"kvxMsoButtonHuge\""},
      {"unknown set element", replace("SupportedApps = [ohaExcel]", "SupportedApps = [ohaExcel, ohaLotus]"), "ohaLotus",
       "OfficeAddInModule.xlCBar.SupportedApps", "unknown value \"ohaLotus\""},
      {"bad hex", replace("0000FF00FF0000FF0000", "0000FF00FF0000FF00G0"), "Glyph.Data", item + "Glyph.Data",
       "bad hex digit \"G\""},
      {"odd hex", replace("0000FF00FF0000FF0000", "0000FF00FF0000FF000"), "Glyph.Data", item + "Glyph.Data",
       "odd number of hex digits"},
      {"glyph count", replace("46000000424D", "47000000424D"), "Glyph.Data", item + "Glyph.Data",
       "byte count 71 does not match the 70 bytes that follow"},
      {"glyph no bitmap", replace("46000000424D", "46000000524D"), "Glyph.Data", item + "Glyph.Data",
       "Glyph.Data is not a Windows bitmap"},
      {"button types count", replace(kTwoKinds, "02000000 00000000"), "ButtonTypes",
       "OfficeAddInModule.xlCBar.ButtonTypes", "ButtonTypes holds 8 bytes, expected 4 + 4 x 2"},
      {"entry without a kind", replace(kTwoKinds, "01000000 00000000"), "      item\n        Caption = \"About",
       "OfficeAddInModule.xlCBar.Buttons[1]", "Buttons[1] has no kind in ButtonTypes (1 kinds)"},
      {"kind without an entry", Design(kModuleProps, "", kTwoKinds, kFirstItem), "Buttons = <",
       "OfficeAddInModule.xlCBar.Buttons", "ButtonTypes lists 2 kinds but Buttons has 1 entries"},
      {"kind without a class", Design(kModuleProps, "", "01000000 07000000", kFirstItem), "      item",
       "OfficeAddInModule.xlCBar.Buttons[0]", "unknown class: the kind 7 has no item class"},
      {"buttons before their types", replace("    ButtonTypes = {\n      " + kTwoKinds + "\n    }\n", ""),
       "Buttons = <", "OfficeAddInModule.xlCBar.Buttons", "Buttons needs ButtonTypes first"},
      {"empty add-in name", replace("AddInName = \"Corvane\"", "AddInName = \"\""), "AddInName",
       "OfficeAddInModule.AddInName", "The AddInName property can not be empty."},
      {"bar without a name", replace("    CommandBarName = \"Corvane AutoFormat XL\"\n", ""), "object xlCBar",
       "OfficeAddInModule.xlCBar.CommandBarName", "The CommandBarName property can not be empty."},
      {"empty supported apps", replace("  AddInName", "  SupportedApps = []\n  AddInName"), "SupportedApps",
       "OfficeAddInModule.SupportedApps", "The SupportedApps property can not be empty."},
      {"truncated in an object", good.substr(0, good.find("    PropertyChanged = 3")), "", "OfficeAddInModule.xlCBar",
       "the design ends inside \"xlCBar\""},
      {"truncated in a collection", good.substr(0, good.find("      item\n        Caption = \"About")), "",
       "OfficeAddInModule.xlCBar.Buttons", "the design ends inside the collection OfficeAddInModule.xlCBar.Buttons"},
      {"truncated in a byte block", good.substr(0, good.find("        }\n        OnClick = ButtonClick")), "",
       item + "Glyph.Data", "the design ends inside a byte block"},
      {"unclosed string", replace("\"Desc\"", "\"Desc"), "Description", "OfficeAddInModule.Description",
       "the design ends inside a string: the closing quote is missing"},
      {"text after the end", good + "stray\n", "stray", "OfficeAddInModule", "text after the end of the design"},
      {"not a property line", replace("    RowIndex = 2\n", "    RowIndex 2\n"), "RowIndex 2",
       "OfficeAddInModule.xlCBar", "expected \"<Property> = <value>\", got \"RowIndex 2\""},
      {"empty design", "# nothing\n", "", "", "the design is empty"},
      {"objects nested too deep", objects, "object o32:", objectPath, "objects and collections nest more than 32 deep"},
      {"collections nested too deep", collections, "X32 = <", collectionPath,
       "objects and collections nest more than 32 deep"},
  };
}

TEST(DesignTest, EachDamageFailsTheCreationNamingThePlace) {
  for (const auto& damage : Damages()) {
    SCOPED_TRACE(damage.name);
    const int line = LineOf(damage.design, damage.lineOf);
    try {
      TTestModule module(damage.design);
      ADD_FAILURE() << "the module was created";
    } catch (const DesignError& error) {
      EXPECT_EQ(error.Design(), "TTestModule");
      EXPECT_EQ(error.Place(), damage.place);
      EXPECT_EQ(error.What(), damage.what);
      EXPECT_EQ(error.Line(), line);
      const std::string place = damage.place.empty() ? "" : ", " + damage.place;
      EXPECT_EQ(com::Utf16ToUtf8(error.description()),
                "TTestModule design, line " + std::to_string(line) + place + ": " + damage.what);
    }
  }
}

TEST(DesignTest, AHandlerOfAnotherModuleClassDoesNotBind) {
  std::string design = GoodDesign();
  design.replace(design.find("TTestModule"), 11, "TOtherModule");
  try {
    TOtherModule module(design);
    ADD_FAILURE() << "bound a member of another class";
  } catch (const DesignError& error) {
    EXPECT_EQ(error.What(), "handler \"ModuleCreate\" does not fit OnCreate");
  }
}

TEST(DesignTest, AFailedCreationRaisesNoEventsAndLeavesNothingBehind) {
  // The OnCreate handler would record; the failing module is gone before.
  std::string design = GoodDesign();
  design.replace(design.find("Tag = 99"), 8, "Tag = x99");
  EXPECT_THROW(TTestModule module(design), DesignError);
  // A good one after it is unaffected (and ASan checks the failed one freed
  // its bar and items).
  TTestModule module(GoodDesign());
  EXPECT_EQ(module.ComponentCount(), 1u);
}

}  // namespace
}  // namespace corvane::framework::testing
