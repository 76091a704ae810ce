// "Subtotals*" and "Next subtotals*" on a table with Region outside Product
// on the rows, so that Region has subtotal lines.
#include <gtest/gtest.h>

#include "addin/CommandDispatch.h"
#include "addin/CommandTags.h"
#include "addin/Messages.h"
#include "addin/Subtotals.h"
#include "addin/excel/ExcelPivotField.h"
#include "addin/excel/ExcelRange.h"
#include "platform/com/ComError.h"
#include "tests/addin/SimExcelFixture.h"

namespace corvane::addin {
namespace {

constexpr size_t kSum = 1, kCount = 2;

class SubtotalsTest : public testing::SimExcelTest {
 protected:
  SubtotalsTest() {
    table->Change([](pivot::PivotDefinition& d) {
      d.page_fields.clear();
      d.row_fields = {u"Region", u"Product"};
    });
  }
  void SetRegionSubtotals(std::initializer_list<size_t> on) {
    pivot::SubtotalSwitches switches{};
    for (size_t index : on) switches[index] = true;
    table->Change([&](pivot::PivotDefinition& d) { d.subtotals[u"Region"] = switches; });
  }
  std::string Cells(const char16_t* text) const { return pivot::testing::Addr(table->Select(text, 0)); }
  void SelectCells(const std::string& address) { Select(address.c_str()); }
  std::string ExpectNoSubtotalMessage() {
    EXPECT_EQ(presenter.Boxes().size(), 1u);
    return presenter.Boxes().empty() ? "" : com::Utf16ToUtf8(presenter.Boxes()[0].request.text);
  }
};

TEST_F(SubtotalsTest, ActiveListAndSelectionTexts) {
  SetRegionSubtotals({kSum, kCount, 7, 11});
  Select("A3");
  const excel::ExcelPivotField region = excel::ExcelRange(app.ActiveCell()).PivotField();
  EXPECT_EQ(ActiveSubtotalList(region), u"Sum;Count;'Count Nums';VarP");
  SetRegionSubtotals({0});
  EXPECT_EQ(ActiveSubtotalList(region), u"Total");
  SetRegionSubtotals({});
  EXPECT_EQ(ActiveSubtotalList(region), u"");
  Select("C4");  // a data field offers no switches
  EXPECT_EQ(ActiveSubtotalList(excel::ExcelRange(app.ActiveCell()).PivotField()), u"");

  EXPECT_EQ(SubtotalSelectionText(u"Region", u"Sum"), u"Region[All;Sum]");
  EXPECT_EQ(AllSubtotalsSelectionText(u"Region"),
            u"Region[All;Sum;Average;Count;'Count Nums';Min;Max;Product;StDev;StDevP;Var;VarP;Total]");
}

TEST_F(SubtotalsTest, NextSubtotalStepsThroughSumAndCountAndWraps) {
  SetRegionSubtotals({kSum, kCount});
  const std::string sum = Cells(u"Region[All;Sum]"), count = Cells(u"Region[All;Count]");
  ASSERT_NE(sum, "(none)");
  ASSERT_NE(count, "(none)");
  ASSERT_NE(sum, count);

  SelectCells(sum);
  RunPivotCommand(app, tags::kNextSubtotal);
  EXPECT_EQ(Selected(), count);
  RunPivotCommand(app, tags::kNextSubtotal);
  EXPECT_EQ(Selected(), sum);
  RunPivotCommand(app, tags::kNextSubtotal);
  EXPECT_EQ(Selected(), count);

  // From a cell that matches no function: the first one.
  Select("A3");
  RunPivotCommand(app, tags::kNextSubtotal);
  EXPECT_EQ(Selected(), sum);
  EXPECT_TRUE(presenter.Boxes().empty());
  EXPECT_TRUE(run.model->screen_updating());
}

TEST_F(SubtotalsTest, ScreenUpdatingIsOffWhileTheFunctionsAreTried) {
  SetRegionSubtotals({kSum, kCount});
  SelectCells(Cells(u"Region[All;Count]"));
  sim::Instrumentation::Instance().Reset();
  RunPivotCommand(app, tags::kNextSubtotal);
  EXPECT_EQ(run.model->screen_updating_log().back(), true);
  EXPECT_EQ(run.model->screen_updating_log()[run.model->screen_updating_log().size() - 2], false);
  // Sum, Count (the match), then the wrap to Sum: three selections at most.
  EXPECT_EQ(sim::Instrumentation::Instance().Calls(u"PivotTable", u"PivotSelect"), 3u);
}

TEST_F(SubtotalsTest, TheAutomaticSubtotalIsSelectedEveryTime) {
  const std::string total = Cells(u"Region[All;Total]");
  ASSERT_NE(total, "(none)");
  for (const char* from : {"A3", "A6", total.c_str()}) {  // East, West, the totals
    Select(from);
    RunPivotCommand(app, tags::kNextSubtotal);
    EXPECT_EQ(Selected(), total) << from;
  }
}

TEST_F(SubtotalsTest, NoSubtotalMessageWithScreenUpdatingBackOn) {
  SetRegionSubtotals({});
  presenter.QueueAnswer(ui::Button::Ok);
  run.model->set_screen_updating(false);  // whatever it was, the command leaves it on
  Select("A3");
  RunPivotCommand(app, tags::kNextSubtotal);
  EXPECT_EQ(ExpectNoSubtotalMessage(), com::Utf16ToUtf8(kNoSubtotalMessage));
  EXPECT_TRUE(run.model->screen_updating());
  EXPECT_EQ(Selected(), "$A$3");
}

TEST_F(SubtotalsTest, FailuresOfNextSubtotalGoToTheCallerWithScreenUpdatingOn) {
  // Product is innermost: its automatic switch is on but it has no lines.
  Select("B3");
  EXPECT_THROW(RunPivotCommand(app, tags::kNextSubtotal), com::ComError);
  EXPECT_TRUE(run.model->screen_updating());

  Select("A3");
  sim::Instrumentation::Instance().FailMember(u"PivotTable", u"PivotSelect", E_FAIL, u"injected");
  EXPECT_THROW(RunPivotCommand(app, tags::kNextSubtotal), com::ComError);
  EXPECT_TRUE(run.model->screen_updating());
  EXPECT_EQ(run.model->screen_updating_log().back(), true);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(SubtotalsTest, SubtotalsSelectsEveryLineOfTheField) {
  SetRegionSubtotals({kSum, kCount});
  Select("A3");
  RunPivotCommand(app, tags::kSubtotals);
  EXPECT_EQ(Selected(), Cells(AllSubtotalsSelectionText(u"Region").c_str()));
  EXPECT_NE(Selected(), "$A$3");
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(SubtotalsTest, SubtotalsOnADataFieldOrAFieldWithoutLinesTellsTheUser) {
  for (const char* from : {"C4", "B3"}) {  // the data field; Product, innermost
    presenter.Reset();
    presenter.QueueAnswer(ui::Button::Ok);
    Select(from);
    RunPivotCommand(app, tags::kSubtotals);
    EXPECT_EQ(ExpectNoSubtotalMessage(), com::Utf16ToUtf8(kNoSubtotalMessage)) << from;
    EXPECT_EQ(Selected(), std::string("$") + from[0] + "$" + (from + 1));
  }
}

}  // namespace
}  // namespace corvane::addin
