// DATE text in the English short form: "M/D/YYYY", "h:mm:ss AM" and both
// joined by a space. The whole part counts days from 30 December 1899; the
// fraction is the time of day, measured away from zero for earlier dates.
#include <cmath>
#include <string>
#include <vector>

#include "platform/com/Text.h"
#include "platform/com/native/VariantScalar.h"
#include "platform/com/native/VariantText.h"

namespace corvane::com::native {

namespace {

constexpr int64_t kEpochToUnixDays = 25569;  // 1899-12-30 .. 1970-01-01
constexpr int kSecondsPerDay = 86400;

struct Civil {
  int64_t year;
  int month;
  int day;
};

// Gregorian calendar over days since 1970-01-01, in 400-year eras.
Civil CivilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

std::string FormatTime(int seconds) {
  const int hour = seconds / 3600;
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  return std::to_string(hour12) + ":" + TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60) +
         (hour < 12 ? " AM" : " PM");
}

// The parts of a date text: numbers, and the separators between them.
struct Token {
  bool number;
  int64_t value;
  char16_t separator;
};

bool Tokenize(std::u16string_view text, std::vector<Token>& tokens, int& meridiem) {
  meridiem = 0;
  size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    if (c >= '0' && c <= '9') {
      int64_t value = 0;
      while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000)
        value = value * 10 + (text[i++] - '0');
      tokens.push_back({true, value, 0});
    } else if (c == ' ') {
      ++i;
    } else if (c == '/' || c == '-' || c == ':') {
      tokens.push_back({false, 0, c});
      ++i;
    } else if (i + 2 <= text.size() &&
               (AsciiEqualNoCase(text.substr(i, 2), u"AM") || AsciiEqualNoCase(text.substr(i, 2), u"PM"))) {
      meridiem = (text[i] | 0x20) == 'a' ? 1 : 2;
      i += 2;
    } else {
      return false;
    }
  }
  return true;
}

// Reads numbers joined by one separator kind from tokens[pos...].
std::vector<int64_t> TakeGroup(const std::vector<Token>& tokens, size_t& pos, bool dateGroup) {
  std::vector<int64_t> values;
  while (pos < tokens.size() && tokens[pos].number) {
    values.push_back(tokens[pos++].value);
    if (pos >= tokens.size() || tokens[pos].number) break;
    const char16_t sep = tokens[pos].separator;
    if ((sep == ':') == dateGroup) break;
    ++pos;
  }
  return values;
}

bool ToDays(const std::vector<int64_t>& parts, int64_t& days) {
  if (parts.size() != 3) return false;
  // Year first when it leads (ISO), month/day/year otherwise.
  const bool isoOrder = parts[0] > 31;
  const int64_t year = isoOrder ? parts[0] : parts[2];
  const int64_t month = isoOrder ? parts[1] : parts[0];
  const int64_t day = isoOrder ? parts[2] : parts[1];
  if (month < 1 || month > 12 || day < 1 || day > 31 || year > 9999) return false;
  const int64_t fullYear = year < 30 ? year + 2000 : (year < 100 ? year + 1900 : year);
  days = DaysFromCivil(fullYear, static_cast<int>(month), static_cast<int>(day));
  return CivilFromDays(days).day == day;  // rejects 31 April and the like
}

bool ToSeconds(const std::vector<int64_t>& parts, int meridiem, int64_t& seconds) {
  if (parts.size() < 2 || parts.size() > 3) return false;
  int64_t hour = parts[0];
  const int64_t minute = parts[1];
  const int64_t second = parts.size() == 3 ? parts[2] : 0;
  if (meridiem && (hour < 1 || hour > 12)) return false;
  if (meridiem) hour = hour % 12 + (meridiem == 2 ? 12 : 0);
  if (hour > 23 || minute > 59 || second > 59) return false;
  seconds = hour * 3600 + minute * 60 + second;
  return true;
}

}  // namespace

HRESULT FormatDate(DATE date, std::u16string& out) {
  if (!InDateRange(date)) return E_INVALIDARG;
  double whole = std::trunc(date);
  int seconds = static_cast<int>(std::nearbyint(std::fabs(date - whole) * kSecondsPerDay));
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    whole += date < 0 ? -1 : 1;
  }
  const auto days = static_cast<int64_t>(whole);
  const Civil civil = CivilFromDays(days - kEpochToUnixDays);
  const std::string dateText =
      std::to_string(civil.month) + "/" + std::to_string(civil.day) + "/" + std::to_string(civil.year);
  if (days == 0) {
    out = Widen(FormatTime(seconds));
  } else {
    out = Widen(seconds == 0 ? dateText : dateText + " " + FormatTime(seconds));
  }
  return S_OK;
}

HRESULT ParseDate(std::u16string_view text, DATE& out) {
  std::vector<Token> tokens;
  int meridiem = 0;
  if (!Tokenize(text, tokens, meridiem) || tokens.empty()) return DISP_E_TYPEMISMATCH;
  size_t pos = 0;
  int64_t days = 0;
  int64_t seconds = 0;
  std::vector<int64_t> first = TakeGroup(tokens, pos, true);
  const bool timeOnly = first.size() >= 1 && pos < tokens.size() && !tokens[pos].number && tokens[pos].separator == ':';
  if (timeOnly) {
    pos = 0;
    first.clear();
  } else if (!ToDays(first, days)) {
    return DISP_E_TYPEMISMATCH;
  }
  if (pos < tokens.size() && !ToSeconds(TakeGroup(tokens, pos, false), meridiem, seconds)) return DISP_E_TYPEMISMATCH;
  if (pos != tokens.size()) return DISP_E_TYPEMISMATCH;
  const double fraction = static_cast<double>(seconds) / kSecondsPerDay;
  const double whole = static_cast<double>(days + kEpochToUnixDays);
  out = whole < 0 ? whole - fraction : whole + fraction;
  return S_OK;
}

}  // namespace corvane::com::native
