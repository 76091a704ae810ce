// The button states as Excel's events move the active cell: every kind of
// cell, a chart sheet, grouped sheets, a workbook about to close, and the
// grand-total switches with the selection buttons following them.
#include <gtest/gtest.h>

#include "addin/ButtonStates.h"
#include "addin/CommandTags.h"
#include "platform/com/ComError.h"
#include "tests/addin/ModuleFixture.h"

namespace corvane::addin {
namespace {

using testing::kAllTags;

class ButtonStatesTest : public testing::ModuleTest {};

TEST_F(ButtonStatesTest, EveryKindOfCell) {
  struct Case {
    const char* cell;
    std::set<int> enabled;
  } cases[] = {
      {"C6", kAllTags},                 // data
      {"A5", AllBut({8, 11, 12, 13})},  // row field item
      {"B4", AllBut({8, 11, 12, 13})},  // column field item
      {"A1", AllBut({8, 11, 12, 13})},  // page field
      {"A3", kAllTags},                 // the data caption
      {"D4", AllBut({8, 11, 12, 13})},  // grand total label
      {"F10", {tags::kAbout}},          // a plain cell
      {"A2", AllBut({8, 11, 12, 13})},  // the blank row inside TableRange2: no field
  };
  for (const Case& c : cases) {
    Select(c.cell);
    EXPECT_EQ(EnabledTags(), c.enabled) << c.cell;
    // Outside a table the switches keep what they showed last.
    EXPECT_TRUE(Pressed(tags::kColumnGrandSwitch)) << c.cell;
    EXPECT_TRUE(Pressed(tags::kRowGrandSwitch)) << c.cell;
  }
}

// A move of the active cell works out every state first: each control is
// read once and written only where its state changes, so nothing flickers.
TEST_F(ButtonStatesTest, AMoveReadsEachControlOnceAndWritesOnlyWhatChanges) {
  struct Case {
    const char* from;
    const char* to;
    uint64_t writes;      // Enabled and State
    uint64_t stateReads;  // the two switches, inside a table
    uint64_t excelCalls;
  } cases[] = {
      {"C5", "C6", 0, 2, 11},    // data to data
      {"A5", "A6", 0, 2, 11},    // row field to row field
      {"C6", "A5", 4, 2, 11},    // data to row field: the four format commands go off
      {"A5", "C6", 4, 2, 11},    // and on again
      {"F10", "F11", 0, 0, 7},   // plain to plain: About stays on
      {"C6", "F10", 22, 0, 7},   // out of the table: all but About go off
      {"F10", "C6", 22, 2, 11},  // and back
  };
  auto& counts = sim::Instrumentation::Instance();
  const auto reads = [&](const char16_t* member) {
    return counts.Calls(u"CommandBarButton", member) - counts.Writes(u"CommandBarButton", member);
  };
  for (const Case& c : cases) {
    Select(c.from);
    counts.Reset();
    Select(c.to);
    const auto controlCalls = counts.Calls(u"CommandBarButton");
    EXPECT_EQ(counts.HostWrites(), c.writes) << c.from << " to " << c.to;
    EXPECT_EQ(reads(u"Enabled"), kAllTags.size()) << c.from << " to " << c.to;
    EXPECT_EQ(reads(u"State"), c.stateReads) << c.from << " to " << c.to;
    EXPECT_EQ(counts.HostCalls() - controlCalls, c.excelCalls) << c.from << " to " << c.to;
    EXPECT_EQ(counts.NameLookups(), 0u) << c.from << " to " << c.to;
  }
}

TEST_F(ButtonStatesTest, HiddenGrandTotalsDisableTheirSelectionButtons) {
  table->Change([](pivot::PivotDefinition& d) { d.column_grand = false; });
  Select("B5");
  EXPECT_EQ(EnabledTags(), AllBut({tags::kColumnGrandTotal}));
  EXPECT_FALSE(Pressed(tags::kColumnGrandSwitch));
  EXPECT_TRUE(Pressed(tags::kRowGrandSwitch));
  table->Change([](pivot::PivotDefinition& d) { d.row_grand = false; });
  Select("B6");
  EXPECT_EQ(EnabledTags(), AllBut({tags::kColumnGrandTotal, tags::kRowGrandTotal}));
  EXPECT_FALSE(Pressed(tags::kRowGrandSwitch));
}

TEST_F(ButtonStatesTest, AChartSheetLeavesOnlyAbout) {
  Select("C6");
  run.model->AddSheet(book, u"Chart1", sim::excel::SheetKind::Chart);  // becomes active
  EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout});
  run.model->ActivateSheet(sheet);
  EXPECT_EQ(EnabledTags(), kAllTags);  // the active cell of Sheet1 is C6 again
}

TEST_F(ButtonStatesTest, GroupedSheetsKeepTheStates) {
  Select("C6");
  run.model->GroupSheets({book->sheets()[1]});
  Select("F10");
  EXPECT_EQ(EnabledTags(), kAllTags);
  run.model->ActivateSheet(book->sheets()[1]);  // ungroups
  EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout});
  run.model->ActivateSheet(sheet);  // its active cell is F10 since the grouped selection
  EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout});
  Select("C6");
  EXPECT_EQ(EnabledTags(), kAllTags);
  Select("F10");
  EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout});
}

TEST_F(ButtonStatesTest, BeforeAWorkbookClosesOnlyAboutStays) {
  Select("C6");
  VARIANT_BOOL cancel = VARIANT_FALSE;
  module->ExcelAppWorkbookBeforeClose(*module->ExcelApp(), nullptr, cancel);
  EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout});
  EXPECT_EQ(cancel, VARIANT_FALSE);

  Select("C6");
  EXPECT_TRUE(run.model->CloseWorkbook(book));
  EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout});
}

TEST_F(ButtonStatesTest, ActivatingAWindowRecomputesFromItsWorkbooksSheet) {
  Select("C6");
  auto other = run.model->NewWorkbook();  // its Sheet1 has no table
  EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout});
  run.model->ActivateWorkbook(book);
  EXPECT_EQ(EnabledTags(), kAllTags);
}

TEST_F(ButtonStatesTest, AFailureReadingTheGrandTotalsStillEnablesAbout) {
  Select("C6");
  SetAllEnabled(module->xlCBar().Controls(), false);
  sim::Instrumentation::Instance().FailMember(u"PivotTable", u"ColumnGrand", E_FAIL, u"injected");
  EXPECT_THROW(module->UpdateButtons(module->ExcelApp()->ActiveSheet().get()), com::ComError);
  EXPECT_TRUE(Button(tags::kAbout).Enabled());
  EXPECT_TRUE(Button(tags::kDataArea).Enabled());  // step 3 ran before the failure
}

TEST_F(ButtonStatesTest, GrandTotalSwitchesToggleTheTableAndTheSelectionButtonsFollow) {
  Select("C6");
  ASSERT_TRUE(Pressed(tags::kColumnGrandSwitch));
  Click(tags::kColumnGrandSwitch);
  EXPECT_FALSE(table->definition().column_grand);
  EXPECT_FALSE(Pressed(tags::kColumnGrandSwitch));
  EXPECT_FALSE(Button(tags::kColumnGrandTotal).Enabled());
  Click(tags::kColumnGrandSwitch);
  EXPECT_TRUE(table->definition().column_grand);
  EXPECT_TRUE(Pressed(tags::kColumnGrandSwitch));
  EXPECT_TRUE(Button(tags::kColumnGrandTotal).Enabled());

  Click(tags::kRowGrandSwitch);
  EXPECT_FALSE(table->definition().row_grand);
  EXPECT_TRUE(table->definition().column_grand);
  EXPECT_FALSE(Button(tags::kRowGrandTotal).Enabled());
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(ButtonStatesTest, ASwitchFailureGoesToTheModulesErrorReport) {
  Select("C6");
  module->ExcelApp()->OnSheetSelectionChange = nullptr;
  run.model->Select(sheet, sim::excel::Areas(Rect("F10")));
  presenter.QueueAnswer(ui::Button::Ok);
  Click(tags::kColumnGrandSwitch);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].request.text.rfind(u"Corvane error: the add-in has fired an exception.\r\n", 0), 0u);
  EXPECT_FALSE(Pressed(tags::kColumnGrandSwitch));         // changed before Excel was told
  EXPECT_TRUE(Button(tags::kColumnGrandTotal).Enabled());  // not recomputed
  EXPECT_TRUE(table->definition().column_grand);

  // An OnError handler that takes it keeps the box away.
  int reported = 0;
  module->OnError = [&](framework::TObject*, const std::exception&, bool& handled) {
    ++reported;
    handled = true;
  };
  sim::Instrumentation::Instance().FailMember(u"PivotTable", u"RowGrand", E_FAIL, u"injected");
  Select("C6");
  module->ExcelApp()->OnSheetSelectionChange = nullptr;
  Click(tags::kRowGrandSwitch);
  EXPECT_EQ(reported, 1);
  EXPECT_EQ(presenter.Boxes().size(), 1u);
}

}  // namespace
}  // namespace corvane::addin
