#include "sim/excel/model/CellData.h"

#include <cstdio>

namespace corvane::sim::excel {

std::u16string DisplayText(const CellValue& value) {
  if (const auto* text = std::get_if<std::u16string>(&value)) return *text;
  if (const auto* number = std::get_if<double>(&value)) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", *number);
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
  }
  return {};
}

}  // namespace corvane::sim::excel
