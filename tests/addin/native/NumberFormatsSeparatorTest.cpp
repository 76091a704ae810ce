// The format commands read the user's decimal separator at the time of the
// click: the portable machine's separator switched between clicks.
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

TEST_F(NumberFormatsSeparatorTest, CommaAndFullStopAsTheUserSwitchesThem) {
  table->Change([](pivot::PivotDefinition& d) { d.data_fields[0].number_format = u"0"; });
  struct Step {
    const char16_t* separator;
    int tag;
    const char16_t* after;
  } steps[] = {{u",", tags::kIncreaseDecimal, u"0,0"},    {u",", tags::kIncreaseDecimal, u"0,00"},
               {u".", tags::kIncreaseDecimal, u"0,00.0"}, {u".", tags::kDecreaseDecimal, u"0,00"},
               {u",", tags::kDecreaseDecimal, u"0,0"},    {u",", tags::kDecreaseDecimal, u"0"}};
  for (const Step& s : steps) {
    ui::SetDecimalSeparator(s.separator);
    Select("C6");
    RunPivotCommand(app, s.tag);
    EXPECT_EQ(FieldFormat(), s.after);
  }
}

}  // namespace
}  // namespace corvane::addin
