// The ten area commands and the Ctrl rule, on the worked example and on a
// second table of the same sheet.
#include <gtest/gtest.h>

#include "addin/CommandDispatch.h"
#include "addin/CommandTags.h"
#include "platform/com/ComError.h"
#include "platform/input/SyntheticKeyboard.h"
#include "platform/input/VirtualKeys.h"
#include "tests/addin/SimExcelFixture.h"

namespace corvane::addin {
namespace {

class AreaSelectionTest : public testing::SimExcelTest {};

struct AreaCase {
  int tag;
  const char* selects;
};

// The worked example: page field at A1:B1, the table at A3:D7.
const AreaCase kWorkedExample[] = {
    {tags::kWholeTable, "$A$3:$D$7"}, {tags::kPagesArea, "$A$1:$B$1"},        {tags::kHeaderArea, "$A$3:$D$4"},
    {tags::kOriginArea, "$A$3"},      {tags::kColumnsArea, "$B$3:$D$4"},      {tags::kRowsArea, "$A$4:$A$7"},
    {tags::kDataArea, "$B$5:$D$7"},   {tags::kColumnGrandTotal, "$D$4:$D$7"}, {tags::kRowGrandTotal, "$A$7:$D$7"},
};

TEST_F(AreaSelectionTest, WorkedExampleAreasFromEveryKindOfCell) {
  for (const char* from : {"C6", "A1", "A5", "B4", "D7"}) {
    for (const AreaCase& c : kWorkedExample) {
      Select(from);
      RunPivotCommand(app, c.tag);
      EXPECT_EQ(Selected(), c.selects) << "tag " << c.tag << " from " << from;
    }
  }
}

TEST_F(AreaSelectionTest, CommandsActOnTheTableUnderTheActiveCell) {
  PlaceSecondTable();  // H1:K5, no page fields
  const AreaCase second[] = {{tags::kWholeTable, "$H$1:$K$5"}, {tags::kDataArea, "$I$3:$K$5"},
                             {tags::kRowsArea, "$H$2:$H$5"},   {tags::kColumnsArea, "$I$1:$K$2"},
                             {tags::kHeaderArea, "$H$1:$K$2"}, {tags::kRowGrandTotal, "$H$5:$K$5"}};
  for (const AreaCase& c : second) {
    Select("J4");
    RunPivotCommand(app, c.tag);
    EXPECT_EQ(Selected(), c.selects) << "tag " << c.tag;
  }
  Select("C6");
  RunPivotCommand(app, tags::kDataArea);
  EXPECT_EQ(Selected(), "$B$5:$D$7");
}

TEST_F(AreaSelectionTest, BlanksOfATableWithTwoRowFields) {
  table->Change([](pivot::PivotDefinition& d) { d.row_fields = {u"Region", u"Product"}; });
  const std::string expected = pivot::testing::Addr(table->Select(u"", 4));
  ASSERT_NE(expected, "(none)");
  Select("C6");
  RunPivotCommand(app, tags::kBlanksArea);
  EXPECT_EQ(Selected(), expected);
}

TEST_F(AreaSelectionTest, OutsideEveryTableNothingIsSelectedAndTheFailureReachesTheCaller) {
  for (const AreaCase& c : kWorkedExample) {
    Select("F10");
    EXPECT_THROW(RunPivotCommand(app, c.tag), com::ComError) << c.tag;
    EXPECT_EQ(Selected(), "$F$10");
  }
}

TEST_F(AreaSelectionTest, MissingAreasFailAndLeaveWhatExcelHolds) {
  table->Change([](pivot::PivotDefinition& d) {
    d.page_fields.clear();
    d.column_grand = false;
  });
  Select("C4");
  EXPECT_THROW(RunPivotCommand(app, tags::kPagesArea), com::ComError);
  EXPECT_EQ(Selected(), "$C$4");
  EXPECT_THROW(RunPivotCommand(app, tags::kColumnGrandTotal), com::ComError);
  EXPECT_EQ(Selected(), "$C$4");

  // Without column fields the header command stops after selecting the origin.
  table->Change([](pivot::PivotDefinition& d) { d.column_fields.clear(); });
  Select("B3");
  EXPECT_THROW(RunPivotCommand(app, tags::kHeaderArea), com::ComError);
  EXPECT_EQ(Selected(), pivot::testing::Addr(table->Select(u"", 3)));
}

TEST_F(AreaSelectionTest, CtrlAddsTheAreaToTheSelectionFromBeforeTheClick) {
  input::SyntheticKeyboard keyboard;
  const AreaCase withCtrl[] = {{tags::kRowsArea, "$A$1:$B$2,$A$4:$A$7"},
                               {tags::kDataArea, "$A$1:$B$2,$B$5:$D$7"},
                               {tags::kHeaderArea, "$A$1:$B$2,$A$3:$D$4"},
                               {tags::kWholeTable, "$A$3:$D$7"},  // no Ctrl rule
                               {tags::kColumnGrandTotal, "$A$1:$B$2,$D$4:$D$7"}};
  for (const AreaCase& c : withCtrl) {
    Select("A1:B2");
    keyboard.Press(VK_CONTROL);
    RunPivotCommand(app, c.tag);
    keyboard.Release(VK_CONTROL);
    EXPECT_EQ(Selected(), c.selects) << "tag " << c.tag;
  }
  // Released, the area replaces the selection.
  Select("A1:B2");
  RunPivotCommand(app, tags::kRowsArea);
  EXPECT_EQ(Selected(), "$A$4:$A$7");
}

TEST_F(AreaSelectionTest, AreaCommandsCallExcelByDispidOnly) {
  Select("C6");
  for (const AreaCase& c : kWorkedExample) RunPivotCommand(app, c.tag);
  EXPECT_EQ(sim::Instrumentation::Instance().NameLookups(u"Range", u"Select"), 0u);
  EXPECT_EQ(sim::Instrumentation::Instance().NameLookups(u"PivotTable", u"PivotSelect"), 0u);
  EXPECT_GT(sim::Instrumentation::Instance().Calls(u"Range", u"Select"), 0u);
  EXPECT_GT(sim::Instrumentation::Instance().Calls(u"PivotTable", u"PivotSelect"), 0u);
}

}  // namespace
}  // namespace corvane::addin
