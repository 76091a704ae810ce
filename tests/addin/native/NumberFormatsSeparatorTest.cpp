// The user's decimal separator, switched between clicks on the portable
// machine, does not reach the format codes: Excel hands them over in en-US
// notation, and a comma never goes into a code as a decimal separator.
#include <gtest/gtest.h>

#include "addin/CommandDispatch.h"
#include "addin/CommandTags.h"
#include "platform/ui/portable/Simulation.h"
#include "tests/addin/SimExcelFixture.h"

namespace corvane::addin {
namespace {

class NumberFormatsSeparatorTest : public testing::SimExcelTest {
 protected:
  ~NumberFormatsSeparatorTest() override { ui::SetDecimalSeparator(u"."); }
  std::u16string FieldFormat() const { return table->definition().data_fields[0].number_format; }
};

TEST_F(NumberFormatsSeparatorTest, TheCodesKeepAFullStopAsTheUserSwitchesSeparators) {
  table->Change([](pivot::PivotDefinition& d) { d.data_fields[0].number_format = u"0"; });
  struct Step {
    const char16_t* separator;
    int tag;
    const char16_t* after;
  } steps[] = {{u",", tags::kIncreaseDecimal, u"0.0"},   {u",", tags::kIncreaseDecimal, u"0.00"},
               {u".", tags::kIncreaseDecimal, u"0.000"}, {u".", tags::kDecreaseDecimal, u"0.00"},
               {u",", tags::kDecreaseDecimal, u"0.0"},   {u",", tags::kDecreaseDecimal, u"0"}};
  for (const Step& s : steps) {
    ui::SetDecimalSeparator(s.separator);
    Select("C6");
    RunPivotCommand(app, s.tag);
    EXPECT_EQ(FieldFormat(), s.after);
  }
  // A grouping comma stays one.
  ui::SetDecimalSeparator(u",");
  table->Change([](pivot::PivotDefinition& d) { d.data_fields[0].number_format = u"#,##0"; });
  Select("C6");
  RunPivotCommand(app, tags::kIncreaseDecimal);
  EXPECT_EQ(FieldFormat(), u"#,##0.0");
}

}  // namespace
}  // namespace corvane::addin
