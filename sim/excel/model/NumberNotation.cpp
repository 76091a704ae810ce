#include "sim/excel/model/NumberNotation.h"

namespace corvane::sim::excel {
namespace {

// Both separators at once, so that exchanging "." and "," does not undo
// itself.
std::u16string Exchange(std::u16string_view code, NumberNotation from, NumberNotation to) {
  std::u16string result;
  result.reserve(code.size());
  bool quoted = false;
  bool escaped = false;
  for (const char16_t c : code) {
    if (escaped) {
      escaped = false;
    } else if (c == u'"') {
      quoted = !quoted;
    } else if (quoted) {
      // literal text
    } else if (c == u'\\') {
      escaped = true;
    } else if (c == from.decimal) {
      result += to.decimal;
      continue;
    } else if (c == from.grouping) {
      result += to.grouping;
      continue;
    }
    result += c;
  }
  return result;
}

}  // namespace

std::u16string ToNotation(std::u16string_view en_us, const NumberNotation& notation) {
  return Exchange(en_us, NumberNotation{}, notation);
}

std::u16string FromNotation(std::u16string_view local, const NumberNotation& notation) {
  return Exchange(local, notation, NumberNotation{});
}

}  // namespace corvane::sim::excel
