#include "about/NoticeText.h"

#include <gtest/gtest.h>

#include "about/YearClock.h"

namespace corvane::about {
namespace {

TEST(NoticeText, OnlyTheFirstPercentSIsReplacedAndNothingElseIsAFormat) {
  struct Case {
    const char16_t* design;
    int year;
    const char16_t* shown;
  };
  const Case cases[] = {
      {u"Copyright %s Corvane", 2031, u"Copyright 2031 Corvane"},
      {u"%s", 7, u"7"},
      {u"no year here", 2031, u"no year here"},
      {u"%d and %s", 2031, u"%d and 2031"},
      {u"%s and %s", 2031, u"2031 and %s"},
      {u"100%% %s %n %x", 2031, u"100%% 2031 %n %x"},
      {u"ends in %", 2031, u"ends in %"},
      {u"%S upper case is not the slot", 2031, u"%S upper case is not the slot"},
      {u"", 2031, u""},
  };
  for (const Case& c : cases) EXPECT_EQ(NoticeText(c.design, c.year), c.shown);
}

TEST(YearClock, FixedYearsNestAndTheSystemYearIsPlausible) {
  const int system = CurrentYear();
  EXPECT_GE(system, 2024);
  EXPECT_LT(system, 2200);
  {
    ScopedYear outer(1990);
    EXPECT_EQ(CurrentYear(), 1990);
    {
      ScopedYear inner(2050);
      EXPECT_EQ(CurrentYear(), 2050);
    }
    EXPECT_EQ(CurrentYear(), 1990);
  }
  EXPECT_EQ(CurrentYear(), system);
}

}  // namespace
}  // namespace corvane::about
