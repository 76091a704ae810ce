#include "about/YearClock.h"

#include <ctime>

namespace corvane::about {

namespace {
// Zero: none fixed. Only the user interface thread reads it.
int fixedYear = 0;

int SystemYear() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return local ? local->tm_year + 1900 : 1970;
}
}  // namespace

int CurrentYear() { return fixedYear != 0 ? fixedYear : SystemYear(); }

ScopedYear::ScopedYear(int year) : previous_(fixedYear) { fixedYear = year; }

ScopedYear::~ScopedYear() { fixedYear = previous_; }

}  // namespace corvane::about
