// The decimal edits of the format commands, with a full stop and with a
// comma as the user's separator.
#include <gtest/gtest.h>

#include "addin/FormatEdit.h"
#include "platform/com/Text.h"

namespace corvane::addin {
namespace {

struct EditCase {
  bool increase;
  const char16_t* separator;
  const char16_t* before;
  const char16_t* after;
};

const EditCase kEdits[] = {
    {true, u".", u"0", u"0.0"},
    {true, u".", u"#,##0", u"#,##0.0"},
    {true, u".", u"0.00", u"0.000"},
    {true, u".", u"0.0;-0.0", u"0.00;-0.00"},
    {true, u".", u"0%", u"0%.0"},
    {true, u".", u"General", u"General"},
    {false, u".", u"0.000", u"0.00"},
    {false, u".", u"0.0", u"0"},
    {false, u".", u"#,##0.0", u"#,##0"},
    {false, u".", u"0", u"0"},
    {false, u".", u"0.;-0.", u"0.;-0."},
    {false, u".", u"0.0;-0.0", u"0.;-0."},  // only the first separator is looked at for the deletion
    {true, u",", u"0", u"0,0"},
    {true, u",", u"# ##0", u"# ##0,0"},
    {true, u",", u"0,00", u"0,000"},
    {true, u",", u"0,0;-0,0", u"0,00;-0,00"},
    {true, u",", u"#,##0", u"#,0##0"},  // a grouping comma is a separator to this edit
    {false, u",", u"0,000", u"0,00"},
    {false, u",", u"0,0", u"0"},
    {false, u",", u"0.0", u"0.0"},
    {true, u"\u066B", u"0", u"0\u066B0"},  // a separator outside ASCII
};

TEST(FormatEditTest, DecimalEditsAsTheTableGivesThem) {
  for (const EditCase& c : kEdits) {
    const std::u16string result =
        c.increase ? IncreaseDecimal(c.before, c.separator) : DecreaseDecimal(c.before, c.separator);
    EXPECT_EQ(result, c.after) << (c.increase ? "increase " : "decrease ") << com::Utf16ToUtf8(c.before) << " with "
                               << com::Utf16ToUtf8(c.separator);
  }
}

TEST(FormatEditTest, IncreaseThenDecreaseGivesTheFormatBack) {
  for (const char16_t* format : {u"0", u"0.00", u"#,##0.0", u"0.0;-0.0;0.0"}) {
    EXPECT_EQ(DecreaseDecimal(IncreaseDecimal(format, u"."), u"."), format) << com::Utf16ToUtf8(format);
  }
}

TEST(FormatEditTest, LetterCaseAndSeveralCharacterSeparators) {
  // The comparison ignores ASCII letter case, as a separator such as "d" would need.
  EXPECT_EQ(IncreaseDecimal(u"0D0", u"d"), u"0d00");  // the separator itself goes in
  EXPECT_EQ(DecreaseDecimal(u"0D0", u"d"), u"0");
  EXPECT_EQ(IncreaseDecimal(u"0", u"::"), u"0::0");
  EXPECT_EQ(DecreaseDecimal(u"0::0", u"::"), u"0");
  // Without a separator there is nothing to edit around.
  EXPECT_EQ(IncreaseDecimal(u"0", u""), u"0");
  EXPECT_EQ(DecreaseDecimal(u"0.0", u""), u"0.0");
}

}  // namespace
}  // namespace corvane::addin
