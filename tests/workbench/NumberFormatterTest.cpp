// Values as the grid shows them through their number formats.
#include <gtest/gtest.h>

#include "platform/com/Text.h"
#include "sim/excel/model/WorkbookModel.h"
#include "workbench/NumberFormatter.h"

namespace corvane::workbench::testing {
namespace {

struct FormatCase {
  sim::excel::CellValue value;
  std::u16string format;
  const char* shown;
};

const sim::excel::NumberNotation kUs{u'.', u','};
const sim::excel::NumberNotation kGerman{u',', u'.'};

TEST(NumberFormatterTest, ShowsValuesThroughTheirFormats) {
  const FormatCase cases[] = {
      {std::monostate{}, u"0.00", ""},
      {u"East", u"0.00", "East"},
      {42.0, u"General", "42"},
      {1234.5, u"General", "1234.5"},
      {-0.125, u"General", "-0.125"},
      {1.0 / 3, u"General", "0.3333333333"},
      {1234.5678, u"0.00", "1234.57"},
      {1234.5, u"0", "1235"},
      {1234567.891, u"#,##0", "1,234,568"},
      {1234567.891, u"#,##0.00", "1,234,567.89"},
      {-1234.5, u"#,##0.00", "-1,234.50"},
      {0.5, u"#,##0", "1"},
      {0.25, u"#,##0.0", "0.3"},
      {0.4, u"#.##", ".4"},
      {1.5, u"0.0#", "1.5"},
      {1.257, u"0.0#", "1.26"},
      {0.3456, u"0%", "35%"},
      {0.3456, u"0.0%", "34.6%"},
      {1234.5, u"\"$\"#,##0.00", "$1,234.50"},
      {1234.5, sim::excel::kCurrencyFormat, " $ 1,234.50 "},
      {-1234.5, sim::excel::kCurrencyFormat, " $ (1,234.50)"},
      {0.0, sim::excel::kCurrencyFormat, " $ -   "},
      {u"text", u"0;-0;0;\"[\"@\"]\"", "[text]"},
      {-5.0, u"0;(0)", "(5)"},
      {0.0, u"0;(0);\"zero\"", "zero"},
      {12.0, u"0\\ \"units\"", "12 units"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(com::Utf16ToUtf8(NumberFormatter(kUs).Format(c.value, c.format)), c.shown) << com::Utf16ToUtf8(c.format);
  }
}

TEST(NumberFormatterTest, UsesTheUsersNotation) {
  const FormatCase cases[] = {
      {1234567.891, u"#,##0.00", "1.234.567,89"},
      {1234.5, u"General", "1234,5"},
      {0.3456, u"0.0%", "34,6%"},
      {1234.5, sim::excel::kCurrencyFormat, " $ 1.234,50 "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(com::Utf16ToUtf8(NumberFormatter(kGerman).Format(c.value, c.format)), c.shown)
        << com::Utf16ToUtf8(c.format);
  }
}

}  // namespace
}  // namespace corvane::workbench::testing
