// A cell's value as Excel shows it through its number format: General,
// digit placeholders (0 # ?), grouping, decimals, percent, literal text
// (quoted, escaped, _x spaces, *x fills as one space), up to four sections
// (positive; negative; zero; text), in the user's notation of numbers.
#pragma once

#include <string>
#include <string_view>

#include "sim/excel/model/CellData.h"
#include "sim/excel/model/NumberNotation.h"

namespace corvane::workbench {

class NumberFormatter {
 public:
  explicit NumberFormatter(sim::excel::NumberNotation notation = {}) : notation_(notation) {}

  std::u16string Format(const sim::excel::CellValue& value, std::u16string_view format) const;

 private:
  std::u16string FormatNumber(double number, std::u16string_view format) const;
  std::u16string FormatText(const std::u16string& text, std::u16string_view format) const;
  std::u16string General(double number) const;
  std::u16string Section(double number, std::u16string_view section) const;
  std::u16string Digits(double number, std::u16string_view pattern) const;

  sim::excel::NumberNotation notation_;
};

}  // namespace corvane::workbench
