// The four number format commands on the worked example's data field
// "Sum of Sales" (B5:D7); the codes travel in en-US notation, so the edits
// work with a full stop whatever the user's separator.
#include <gtest/gtest.h>

#include "addin/CommandDispatch.h"
#include "addin/CommandTags.h"
#include "addin/FormatEdit.h"
#include "addin/Messages.h"
#include "addin/NumberFormats.h"
#include "addin/PivotLocator.h"
#include "platform/com/ComError.h"
#include "platform/com/ComObject.h"
#include "tests/addin/SimExcelFixture.h"

namespace corvane::addin {
namespace {

// A selection whose cells lie on no pivot field: Excel answers Nothing.
class FieldlessRange final : public com::ComObject<IDispatch> {
 public:
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
    if (id != 0x2DB || !result) return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    result->vt = VT_DISPATCH;
    result->pdispVal = nullptr;
    return S_OK;
  }
};

class NumberFormatsTest : public testing::SimExcelTest {
 protected:
  void SetFieldFormat(const std::u16string& format) {
    table->Change([&](pivot::PivotDefinition& d) { d.data_fields[0].number_format = format; });
  }
  std::u16string FieldFormat() const { return table->definition().data_fields[0].number_format; }
  std::u16string CellFormat(const char* address) const { return sheet->cell(Rect(address).first()).number_format; }
  void ExpectOneBox(const std::u16string& text) {
    ASSERT_EQ(presenter.Boxes().size(), 1u);
    EXPECT_EQ(presenter.Boxes()[0].request.text, text);
    EXPECT_EQ(presenter.Boxes()[0].request.buttons, std::vector<ui::Button>{ui::Button::Ok});
  }
};

TEST_F(NumberFormatsTest, DecimalsOfTheWholeFieldThenTheSelectionComesBack) {
  const std::u16string separator = u".";
  struct Case {
    int tag;
    std::u16string before;
  } cases[] = {{tags::kIncreaseDecimal, u"0"},       {tags::kIncreaseDecimal, u"0" + separator + u"00"},
               {tags::kIncreaseDecimal, u"General"}, {tags::kDecreaseDecimal, u"0" + separator + u"0"},
               {tags::kDecreaseDecimal, u"#,##0"},   {tags::kDecreaseDecimal, u"0" + separator + u"000"}};
  for (const Case& c : cases) {
    SetFieldFormat(c.before);
    const int layouts = table->layouts();
    Select("C6:D7", "D7");
    RunPivotCommand(app, c.tag);
    const std::u16string want =
        c.tag == tags::kIncreaseDecimal ? IncreaseDecimal(c.before, separator) : DecreaseDecimal(c.before, separator);
    EXPECT_EQ(FieldFormat(), want) << com::Utf16ToUtf8(c.before);
    EXPECT_EQ(CellFormat("B5"), want);
    EXPECT_EQ(CellFormat("D7"), want);
    EXPECT_GE(table->layouts(), layouts + 2);  // the new format, then Update
    EXPECT_EQ(Selected(), "$C$6:$D$7");
    EXPECT_EQ(ActiveCellAddress(), "$C$6");
  }
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(NumberFormatsTest, TheDialogsAnswerGoesToTheFieldAndCancelKeepsTheFormat) {
  SetFieldFormat(u"0");
  run.model->QueueNumberFormatAnswer(u"0.000");
  Select("C6");
  RunPivotCommand(app, tags::kNumberFormat);
  EXPECT_EQ(run.model->dialog_shows(), 1);
  EXPECT_EQ(FieldFormat(), u"0.000");
  EXPECT_EQ(CellFormat("D7"), u"0.000");
  EXPECT_EQ(Selected(), "$C$6");

  run.model->QueueNumberFormatAnswer(std::nullopt);  // Cancel
  Select("B5:C5");
  RunPivotCommand(app, tags::kNumberFormat);
  EXPECT_EQ(run.model->dialog_shows(), 2);
  EXPECT_EQ(FieldFormat(), u"0.000");  // the format its first data cell already had
  EXPECT_EQ(Selected(), "$B$5:$C$5");
}

TEST_F(NumberFormatsTest, CurrencyStyleGivesTheFieldTheStylesFormat) {
  Select("C6");
  RunPivotCommand(app, tags::kCurrency);
  EXPECT_EQ(FieldFormat(), sim::excel::kCurrencyFormat);
  EXPECT_EQ(CellFormat("C7"), sim::excel::kCurrencyFormat);
  EXPECT_EQ(Selected(), "$C$6");

  // A workbook without the style: the click fails silently for its caller
  // to handle, the selection left on the field's first data cell.
  SetFieldFormat(u"0");
  book->RemoveStyle(u"Currency");
  Select("C6");
  EXPECT_THROW(RunPivotCommand(app, tags::kCurrency), com::ComError);
  EXPECT_EQ(Selected(), "$B$5");
  EXPECT_EQ(FieldFormat(), u"0");
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(NumberFormatsTest, ARowFieldIsNotNumberAndNothingChanges) {
  for (int tag : {tags::kNumberFormat, tags::kIncreaseDecimal, tags::kDecreaseDecimal, tags::kCurrency}) {
    presenter.Reset();
    presenter.QueueAnswer(ui::Button::Ok);
    Select("A5");
    const int layouts = table->layouts();
    RunPivotCommand(app, tag);
    ExpectOneBox(u"Field \"Product\" is not number.");
    EXPECT_EQ(Selected(), "$A$5") << tag;
    EXPECT_EQ(table->layouts(), layouts);
  }
  EXPECT_EQ(run.model->dialog_shows(), 0);
}

TEST_F(NumberFormatsTest, TheEditsTakeTheFieldOfTheSelectionsFirstCellTheDialogThatOfTheActiveCell) {
  presenter.QueueAnswer(ui::Button::Ok);
  Select("A5:C6", "C6");  // first cell on Product, active cell on the data
  RunPivotCommand(app, tags::kIncreaseDecimal);
  ExpectOneBox(u"Field \"Product\" is not number.");

  // The dialog reaches the data field, but the format goes to the
  // selection's field, which refuses it.
  run.model->QueueNumberFormatAnswer(u"0.0");
  Select("A5:C6", "C6");
  EXPECT_THROW(RunPivotCommand(app, tags::kNumberFormat), com::ComError);
  EXPECT_EQ(run.model->dialog_shows(), 1);
}

TEST_F(NumberFormatsTest, NoFieldUnderTheSelectionGivesTheNoTableMessage) {
  Select("C6");
  const ClickContext context{app, excel::ExcelWorksheet(app.ActiveSheet()),
                             excel::ExcelRange(com::ComPtr<IDispatch>(com::Make<FieldlessRange>().get())),
                             LocateTable(app, excel::ExcelWorksheet(app.ActiveSheet()))};
  for (int tag : {tags::kIncreaseDecimal, tags::kDecreaseDecimal, tags::kCurrency}) {
    presenter.Reset();
    presenter.QueueAnswer(ui::Button::Ok);
    EXPECT_TRUE(SetNumberFormat(context, tag));
    ExpectOneBox(kNoTableMessage);
    EXPECT_EQ(Selected(), "$C$6");
  }
  EXPECT_FALSE(SetNumberFormat(context, tags::kUpdate));
}

TEST_F(NumberFormatsTest, AFieldNameIsShownAsItIsNeverAsAFormat) {
  pivot::PivotSource source = pivot::testing::SalesRecords();
  source.fields[1] = u"100%s of %d";
  pivot::PivotDefinition definition = pivot::testing::WorkedExample();
  definition.row_fields = {u"100%s of %d"};
  const auto other = book->sheets()[1];
  pivot::PivotTableModel::Place(other, source, definition);
  run.model->ActivateSheet(other);
  presenter.QueueAnswer(ui::Button::Ok);
  Select("A5");
  RunPivotCommand(app, tags::kDecreaseDecimal);
  ExpectOneBox(u"Field \"100%s of %d\" is not number.");
  EXPECT_EQ(NotNumberMessage(u"%s%s%n"), u"Field \"%s%s%n\" is not number.");
}

}  // namespace
}  // namespace corvane::addin
