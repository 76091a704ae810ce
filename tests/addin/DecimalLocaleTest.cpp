// The format commands clicked in Office with the user's regional settings
// in en-US and in a comma notation: the data field ends with the same
// en-US codes in both, while the user sees the codes in the own notation.
#include <gtest/gtest.h>

#include "addin/CommandTags.h"
#include "platform/com/Dispatch.h"
#include "sim/excel/model/NumberNotation.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/objects/Clicks.h"
#include "tests/addin/ModuleFixture.h"

namespace corvane::addin {
namespace {

using sim::excel::NumberNotation;

constexpr DISPID kNumberFormat = 0xC1;
constexpr DISPID kNumberFormatLocal = 0x449;
const NumberNotation kEnUs{};
const NumberNotation kComma{u',', u'.'};

struct Edit {
  int tag;
  const char16_t* before;
  const char16_t* after;       // en-US, whatever the user's notation
  const char16_t* afterComma;  // as the user of the comma notation sees it
};

const Edit kEdits[] = {
    {tags::kIncreaseDecimal, u"0", u"0.0", u"0,0"},
    {tags::kIncreaseDecimal, u"#,##0", u"#,##0.0", u"#.##0,0"},
    {tags::kIncreaseDecimal, u"0.00", u"0.000", u"0,000"},
    {tags::kIncreaseDecimal, u"0.0;-0.0", u"0.00;-0.00", u"0,00;-0,00"},
    {tags::kIncreaseDecimal, u"0%", u"0%.0", u"0%,0"},
    {tags::kIncreaseDecimal, u"General", u"General", u"General"},
    {tags::kDecreaseDecimal, u"0.000", u"0.00", u"0,00"},
    {tags::kDecreaseDecimal, u"0.0", u"0", u"0"},
    {tags::kDecreaseDecimal, u"#,##0.0", u"#,##0", u"#.##0"},
    {tags::kDecreaseDecimal, u"0", u"0", u"0"},
    {tags::kDecreaseDecimal, u"0.0;-0.0", u"0.;-0.", u"0,;-0,"},
};

class DecimalLocaleTest : public testing::ModuleTest {
 protected:
  void ClickInOffice(int tag) {
    const auto bars = sim::office::OfficeOf(run)->bars();
    const auto tagged = bars->ControlsTagged(module->xlCBar().Controls().FindByTag(tag)->OfficeTag());
    ASSERT_EQ(tagged.size(), 1u);
    sim::office::ClickControl(bars, tagged[0]);
  }
  void SetFieldFormat(const std::u16string& format) {
    table->Change([&](pivot::PivotDefinition& d) { d.data_fields[0].number_format = format; });
  }
  com::Dispatch RangeAt(const char16_t* address) {
    com::Dispatch sheetObject(com::Dispatch(run.application).Get(0x133).ToDispatch());
    return com::Dispatch(sheetObject.Get(0xC5, {address}).ToDispatch());
  }
  // The data field's format as Excel gives it to a caller asking in en-US.
  std::u16string FieldFormat() {
    com::Dispatch field(RangeAt(u"C6").Get(0x2DB).ToDispatch());
    return field.Get(kNumberFormat, {}, com::kLocaleEnUs).ToText();
  }
  std::u16string LocalFormat(const char16_t* address) { return RangeAt(address).Get(kNumberFormatLocal).ToText(); }
};

TEST_F(DecimalLocaleTest, TheEditsGiveEnUsCodesInEveryNotation) {
  for (const NumberNotation& notation : {kEnUs, kComma}) {
    run.model->set_user_notation(notation);
    for (const Edit& e : kEdits) {
      SCOPED_TRACE(com::Utf16ToUtf8(e.before) + (notation == kComma ? " in the comma notation" : " in en-US"));
      SetFieldFormat(e.before);
      Select("C6:D7", "D7");
      ClickInOffice(e.tag);
      EXPECT_EQ(FieldFormat(), e.after);
      EXPECT_EQ(table->definition().data_fields[0].number_format, e.after);
      EXPECT_EQ(sheet->cell(Rect("B5").first()).number_format, e.after);
      EXPECT_EQ(LocalFormat(u"D7"), notation == kComma ? e.afterComma : e.after);
      EXPECT_EQ(Selected(), "$C$6:$D$7");
    }
  }
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(DecimalLocaleTest, TheDialogAndTheCurrencyStyleHandOverEnUsCodesInACommaNotation) {
  run.model->set_user_notation(kComma);
  SetFieldFormat(u"0");
  run.model->QueueNumberFormatAnswer(u"#,##0.0");
  Select("C6");
  ClickInOffice(tags::kNumberFormat);
  EXPECT_EQ(run.model->dialog_shows(), 1);
  EXPECT_EQ(FieldFormat(), u"#,##0.0");
  EXPECT_EQ(LocalFormat(u"C7"), u"#.##0,0");

  Select("C6");
  ClickInOffice(tags::kCurrency);
  EXPECT_EQ(FieldFormat(), sim::excel::kCurrencyFormat);
  EXPECT_EQ(LocalFormat(u"B5"), sim::excel::ToNotation(sim::excel::kCurrencyFormat, kComma));

  // One decimal more on the Currency format, then one less: back where it was.
  Select("C6");
  ClickInOffice(tags::kIncreaseDecimal);
  EXPECT_EQ(FieldFormat(), u"_(\"$\"* #,##0.000_);_(\"$\"* \\(#,##0.000\\);_(\"$\"* \"-\"??_);_(@_)");
  Select("C6");
  ClickInOffice(tags::kDecreaseDecimal);
  EXPECT_EQ(FieldFormat(), sim::excel::kCurrencyFormat);
  EXPECT_EQ(Selected(), "$C$6");
}

}  // namespace
}  // namespace corvane::addin
