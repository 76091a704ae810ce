// Format codes by the caller's locale id: Range.NumberFormat and
// PivotField.NumberFormat in en-US notation for 0 and 1033, in the user's
// for any other id; Range.NumberFormatLocal always in the user's. The cells
// keep en-US codes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/com/Dispatch.h"
#include "platform/com/Text.h"
#include "sim/excel/model/NumberNotation.h"
#include "sim/excel/objects/ExcelStart.h"

namespace corvane::sim::excel {
namespace {

using com::Dispatch;

constexpr DISPID kNumberFormat = 0xC1;
constexpr DISPID kNumberFormatLocal = 0x449;
constexpr LCID kGerman = 1031;
const NumberNotation kComma{u',', u'.'};

std::string Utf8(std::u16string_view text) { return com::Utf16ToUtf8(text); }

TEST(NumberNotationTest, SeparatorsChangePlacesLiteralTextStays) {
  struct Case {
    const char16_t* en_us;
    NumberNotation notation;
    const char16_t* local;
  } cases[] = {
      {u"#,##0.00", kComma, u"#.##0,00"},
      {u"0.0;-0.0", kComma, u"0,0;-0,0"},
      {u"0%", kComma, u"0%"},
      {u"General", kComma, u"General"},
      {u"0.00\" a.b,c\"", kComma, u"0,00\" a.b,c\""},  // quoted text
      {u"0\\.00\\,", kComma, u"0\\.00\\,"},            // escaped characters
      {kCurrencyFormat, kComma, u"_(\"$\"* #.##0,00_);_(\"$\"* \\(#.##0,00\\);_(\"$\"* \"-\"??_);_(@_)"},
      {u"#,##0.00", NumberNotation{u',', u' '}, u"# ##0,00"},
      {u"#,##0.00", NumberNotation{}, u"#,##0.00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToNotation(c.en_us, c.notation), c.local) << Utf8(c.en_us);
  }
  for (const Case& c : cases) {
    EXPECT_EQ(FromNotation(c.local, c.notation), c.en_us) << Utf8(c.local);
  }
}

class FormatLocaleTest : public ::testing::Test {
 protected:
  FormatLocaleTest() {
    run.model->NewWorkbook();
    sheet = run.model->active_workbook()->sheets().front();
  }
  Dispatch RangeAt(const char16_t* address) {
    Dispatch app(run.application);
    Dispatch sheetObject(app.Get(0x133).ToDispatch());
    return Dispatch(sheetObject.Get(0xC5, {address}).ToDispatch());
  }
  std::u16string Stored(const char16_t* address) {
    return sheet->CommonNumberFormat(Areas(*ParseAddress(address))).value_or(u"(mixed)");
  }

  ExcelRun run = StartExcel();
  std::shared_ptr<SheetModel> sheet;
};

TEST_F(FormatLocaleTest, NumberFormatReadsInTheCallersNotation) {
  struct Case {
    NumberNotation user;
    LCID locale;
    const char16_t* seen;
  } cases[] = {
      {kComma, 0, u"#,##0.00"},
      {kComma, com::kLocaleEnUs, u"#,##0.00"},
      {kComma, LOCALE_USER_DEFAULT, u"#.##0,00"},
      {kComma, LOCALE_SYSTEM_DEFAULT, u"#.##0,00"},
      {kComma, kGerman, u"#.##0,00"},
      {NumberNotation{}, 0, u"#,##0.00"},
      {NumberNotation{}, LOCALE_USER_DEFAULT, u"#,##0.00"},
      {NumberNotation{}, kGerman, u"#,##0.00"},
  };
  RangeAt(u"B2:C3").Put(kNumberFormat, u"#,##0.00", {}, com::kLocaleEnUs);
  for (const Case& c : cases) {
    run.model->set_user_notation(c.user);
    EXPECT_EQ(RangeAt(u"B2:C3").Get(kNumberFormat, {}, c.locale).ToText(), c.seen) << c.locale;
    EXPECT_EQ(RangeAt(u"B2").Get(u"NumberFormatLocal", {}, c.locale).ToText(), ToNotation(u"#,##0.00", c.user))
        << "whatever the locale id " << c.locale;
  }
  EXPECT_EQ(Stored(u"B2:C3"), u"#,##0.00");
  EXPECT_EQ(RangeAt(u"A1:B2").Get(kNumberFormat, {}, kGerman).type(), VT_NULL);  // mixed
  EXPECT_EQ(RangeAt(u"A1:B2").Get(kNumberFormatLocal).type(), VT_NULL);
}

TEST_F(FormatLocaleTest, NumberFormatWritesFromTheCallersNotation) {
  struct Case {
    DISPID member;
    LCID locale;
    const char16_t* given;
    const char16_t* stored;
  } cases[] = {
      {kNumberFormat, 0, u"#,##0.0", u"#,##0.0"},
      {kNumberFormat, com::kLocaleEnUs, u"0.000", u"0.000"},
      {kNumberFormat, LOCALE_USER_DEFAULT, u"#.##0,0", u"#,##0.0"},
      {kNumberFormat, LOCALE_SYSTEM_DEFAULT, u"0,00;-0,00", u"0.00;-0.00"},
      {kNumberFormat, kGerman, u"0,0%", u"0.0%"},
      {kNumberFormatLocal, 0, u"#.##0,00", u"#,##0.00"},
      {kNumberFormatLocal, com::kLocaleEnUs, u"0,0", u"0.0"},
      {kNumberFormatLocal, LOCALE_USER_DEFAULT, u"0,000", u"0.000"},
  };
  run.model->set_user_notation(kComma);
  for (const Case& c : cases) {
    RangeAt(u"C4").Put(c.member, c.given, {}, c.locale);
    EXPECT_EQ(Stored(u"C4"), c.stored) << Utf8(c.given) << " with locale " << c.locale;
  }
}

TEST_F(FormatLocaleTest, TheDialogAndTheCurrencyStyleKeepEnUsCodes) {
  run.model->set_user_notation(kComma);
  RangeAt(u"D4").Call(0xEB);
  run.model->QueueNumberFormatAnswer(u"#,##0.0");
  Dispatch dialogs(Dispatch(run.application).Get(0x2F9).ToDispatch());
  EXPECT_TRUE(Dispatch(dialogs.Get(0xAA, {42}).ToDispatch()).Call(0x1F0).ToBool());
  EXPECT_EQ(Stored(u"D4"), u"#,##0.0");
  EXPECT_EQ(RangeAt(u"D4").Get(kNumberFormatLocal).ToText(), u"#.##0,0");

  RangeAt(u"E5").Put(0x104, u"Currency");
  EXPECT_EQ(Stored(u"E5"), kCurrencyFormat);
  EXPECT_EQ(RangeAt(u"E5").Get(kNumberFormat, {}, com::kLocaleEnUs).ToText(), kCurrencyFormat);
  EXPECT_EQ(RangeAt(u"E5").Get(kNumberFormat).ToText(), ToNotation(kCurrencyFormat, kComma));
}

TEST_F(FormatLocaleTest, TheUserNotationIsEnUsUntilSetAndRefusesAmbiguousSeparators) {
  EXPECT_EQ(run.model->user_notation(), NumberNotation{});
  const NumberNotation refused[] = {{u',', u','}, {u'1', u'.'}, {u',', u'"'}, {u'\\', u','}, {0, u','}};
  run.model->set_user_notation(kComma);
  for (const NumberNotation& n : refused) {
    EXPECT_THROW(run.model->set_user_notation(n), std::invalid_argument);
    EXPECT_EQ(run.model->user_notation(), kComma) << "a refused notation changes nothing";
  }
}

}  // namespace
}  // namespace corvane::sim::excel
