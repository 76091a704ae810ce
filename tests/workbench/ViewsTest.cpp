// The parts of the screen on their own: the toolbar's text and how scripts
// name its buttons, the pivot areas under cells of the sample, and the
// folding of the call trace.
#include <gtest/gtest.h>

#include <cstring>

#include "published/Office.h"
#include "sim/excel/model/AppModel.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/Control.h"
#include "workbench/CallTrace.h"
#include "workbench/PivotAreas.h"
#include "workbench/SampleWorkbook.h"
#include "workbench/ToolbarView.h"
#include "workbench/WorkbookBuilder.h"

namespace corvane::workbench::testing {
namespace {

using sim::office::Bar;
using sim::office::Control;

struct ButtonPlan {
  const char16_t* caption;
  bool enabled;
  bool pressed;
  bool beginGroup;
  const char16_t* tag;
};

std::shared_ptr<Bar> MakeBar(const std::vector<ButtonPlan>& buttons) {
  sim::office::BarProperties props;
  props.name = u"Corvane AutoFormat XL";
  props.visible = true;
  auto bar = std::make_shared<Bar>(props, 0, false, false);
  for (const auto& plan : buttons) {
    auto control = bar->AddControl({});
    control->props().caption = plan.caption;
    control->props().enabled = plan.enabled;
    control->props().state = plan.pressed ? Office::msoButtonDown : Office::msoButtonUp;
    control->props().beginGroup = plan.beginGroup;
    control->props().tag = plan.tag;
  }
  return bar;
}

class ToolbarViewTest : public ::testing::Test {
 protected:
  std::shared_ptr<Bar> bar = MakeBar({
      {u"Select all cells of the selected pivot table", true, false, true, u"{A}"},
      {u"Select data fields area of the selected pivot table", false, false, false, u"{B}"},
      {u"Add/remove column grand totals", true, true, true, u"{C}"},
      {u"My own button*", true, false, false, u""},
  });
};

TEST_F(ToolbarViewTest, ShowsEachButtonsStateAndTheGroups) {
  EXPECT_EQ(RenderToolbar(bar),
            "Toolbar \"Corvane AutoFormat XL\" (visible, floating)   [n label] enabled  (n label) disabled  [#n label] "
            "pressed  | group\n"
            " | [1 Table] (2 Data)\n"
            " | [#3 GT columns] [4 My own button]\n");
  EXPECT_EQ(RenderToolbar(nullptr), "Toolbar \"Corvane AutoFormat XL\": not present\n");
}

TEST_F(ToolbarViewTest, FindsButtonsAsScriptsNameThem) {
  const struct {
    const char* name;
    int position;  // 0: none
  } cases[] = {
      {"1", 1},
      {"4", 4},
      {"5", 0},
      {"0", 0},
      {"data", 2},
      {"GT Columns", 3},
      {"select all cells of the selected pivot table", 1},
      {"My own button*", 4},
      {"my own button", 4},
      {"tag:{C}", 3},
      {"tag:{Z}", 0},
      {"Currency", 0},
  };
  for (const auto& c : cases) {
    const auto control = FindButton(*bar, c.name);
    EXPECT_EQ(control ? control->index() : 0, c.position) << c.name;
  }
}

TEST(PivotAreasTest, MarksEachAreaOfTheSampleTable) {
  const auto app = sim::excel::AppModel::Create();
  OpenWorkbooks(*app, SampleWorkbooks());
  const auto sheet = app->workbooks().front()->FindSheet(u"Sales");
  const PivotAreas areas(*sheet);
  const struct {
    const char* address;
    char mark;
    const char* field;
  } cases[] = {
      {"A1", 'p', "Year (page field of SalesByQuarter)"},
      {"B1", 'p', "Year (page field of SalesByQuarter)"},
      {"A3", 'o', "none"},
      {"D3", 'c', "Quarter (column field of SalesByQuarter)"},
      {"E4", 'c', "Quarter (column field of SalesByQuarter)"},
      {"A5", 'r', "Region (row field of SalesByQuarter)"},
      {"B5", 'r', "Product (row field of SalesByQuarter)"},
      {"D5", 'd', "Sum of Units (data field of SalesByQuarter)"},
      {"D6", 'd', "Sum of Revenue (data field of SalesByQuarter)"},
      {"H4", 'g', "none"},
      {"H5", 'g', "Sum of Units (data field of SalesByQuarter)"},
      {"A30", 'g', "none"},
      {"I5", ' ', "none"},
      {"L5", 'd', "Count of Units (data field of UnitsByProduct)"},
      {"K5", 'r', "Product (row field of UnitsByProduct)"},
      {"A40", ' ', "none"},
  };
  for (const auto& c : cases) {
    const auto cell =
        sim::excel::ParseAddress(std::u16string(c.address, c.address + std::strlen(c.address)))->front().first();
    EXPECT_EQ(areas.MarkAt(cell), c.mark) << c.address;
    EXPECT_EQ(PivotAreas::FieldUnder(*sheet, cell), c.field) << c.address;
  }
  EXPECT_EQ(areas.bottom(), 30);
  EXPECT_EQ(areas.right(), 14);
}

TEST(CallTraceTest, FoldsRepeatsAndListsLongTracesByMember) {
  EXPECT_EQ(CallTrace::Summary({}), "");
  EXPECT_EQ(CallTrace::Summary({"Range.Select", "Range.Select", "Range.Address", "Range.Select"}),
            "Range.Select x2, Range.Address, Range.Select");
  std::vector<std::string> many(CallTrace::kListedInOrder, "CommandBarButton.Enabled");
  many.insert(many.begin() + 1, "Application.ActiveCell");
  EXPECT_EQ(CallTrace::Summary(many), "by member: CommandBarButton.Enabled x60, Application.ActiveCell");
}

}  // namespace
}  // namespace corvane::workbench::testing
