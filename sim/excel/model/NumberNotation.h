// The user's notation of numbers in format codes, from the regional
// settings. Excel keeps format codes in en-US notation and translates them
// where a caller asks in the user's.
#pragma once

#include <string>
#include <string_view>

namespace corvane::sim::excel {

struct NumberNotation {
  char16_t decimal = u'.';
  char16_t grouping = u',';

  bool operator==(const NumberNotation&) const = default;
};

// Decimal and grouping separators exchanged for the notation's; literal
// text (in double quotes, or one character after a backslash) stays as it
// is.
std::u16string ToNotation(std::u16string_view en_us, const NumberNotation& notation);
// The way back: the notation's separators become en-US ones.
std::u16string FromNotation(std::u16string_view local, const NumberNotation& notation);

}  // namespace corvane::sim::excel
