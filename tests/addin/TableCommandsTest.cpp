// Best fit, update and clear format, on the table with its page fields
// (fit) and without them (clear).
#include <gtest/gtest.h>

#include "addin/CommandDispatch.h"
#include "addin/CommandTags.h"
#include "addin/Messages.h"
#include "platform/com/ComError.h"
#include "tests/addin/SimExcelFixture.h"

namespace corvane::addin {
namespace {

class TableCommandsTest : public testing::SimExcelTest {
 protected:
  void FormatCells() {
    sheet->SetNumberFormat(sim::excel::Areas(Rect("A1:B1")), u"@");  // the page field
    sheet->SetNumberFormat(sim::excel::Areas(Rect("A5:A6")), u"0.0");
  }
  std::u16string FormatOf(const char* cell) const { return sheet->cell(Rect(cell).first()).number_format; }
};

TEST_F(TableCommandsTest, BestFitTakesThePageFieldsInAndUpdates) {
  Select("C6");
  const int layouts = table->layouts();
  RunPivotCommand(app, tags::kBestColumnFit);
  EXPECT_EQ(sheet->fitted_columns(), (std::vector<int32_t>{1, 2, 3, 4}));
  RunPivotCommand(app, tags::kBestRowFit);
  EXPECT_EQ(sheet->fitted_rows(), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7}));
  RunPivotCommand(app, tags::kUpdate);
  EXPECT_EQ(table->layouts(), layouts + 3);
  EXPECT_EQ(Selected(), "$C$6");
}

TEST_F(TableCommandsTest, ClearFormatAnsweredNoKeepsTheFormatting) {
  FormatCells();
  presenter.QueueAnswer(ui::Button::No);
  Select("C6");
  const int layouts = table->layouts();
  RunPivotCommand(app, tags::kClearFormat);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  const ui::MessageBoxRequest& asked = presenter.Boxes()[0].request;
  EXPECT_EQ(asked.text, kClearFormatQuestion);
  EXPECT_EQ(asked.caption, u"Confirm");
  EXPECT_EQ(asked.icon, ui::Icon::Question);
  EXPECT_EQ(asked.buttons, (std::vector<ui::Button>{ui::Button::Yes, ui::Button::No}));
  EXPECT_EQ(FormatOf("A5"), u"0.0");
  EXPECT_EQ(FormatOf("A1"), u"@");
  EXPECT_EQ(table->layouts(), layouts);
}

TEST_F(TableCommandsTest, ClearFormatAnsweredYesClearsTheTableButNotItsPageFields) {
  FormatCells();
  presenter.QueueAnswer(ui::Button::Yes);
  Select("C6");
  const int layouts = table->layouts();
  RunPivotCommand(app, tags::kClearFormat);
  EXPECT_EQ(FormatOf("A5"), u"General");
  EXPECT_EQ(table->layouts(), layouts + 1);
  EXPECT_EQ(Selected(), "$C$6");

  // The simulated update rewrites the whole footprint, so the page field is
  // looked at with the update held back: only TableRange1 was cleared.
  FormatCells();
  presenter.QueueAnswer(ui::Button::Yes);
  sim::Instrumentation::Instance().FailMember(u"PivotTable", u"Update", E_FAIL, u"held back");
  EXPECT_THROW(RunPivotCommand(app, tags::kClearFormat), com::ComError);
  EXPECT_EQ(FormatOf("A5"), u"General");
  EXPECT_EQ(FormatOf("A1"), u"@");
}

TEST_F(TableCommandsTest, FailuresGoToTheCaller) {
  Select("C6");
  sim::Instrumentation::Instance().FailMember(u"Range", u"AutoFit", E_FAIL, u"injected");
  EXPECT_THROW(RunPivotCommand(app, tags::kBestRowFit), com::ComError);
  sim::Instrumentation::Instance().FailMember(u"Range", u"ClearFormats", E_FAIL, u"injected");
  presenter.QueueAnswer(ui::Button::Yes);
  EXPECT_THROW(RunPivotCommand(app, tags::kClearFormat), com::ComError);
}

}  // namespace
}  // namespace corvane::addin
