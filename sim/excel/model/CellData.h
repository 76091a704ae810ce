// What the sheet keeps for one cell. Cells never written read as the
// default: empty, "General", the "Normal" style.
#pragma once

#include <string>
#include <variant>

namespace corvane::sim::excel {

using CellValue = std::variant<std::monostate, double, std::u16string>;

inline constexpr char16_t kGeneralFormat[] = u"General";
inline constexpr char16_t kNormalStyle[] = u"Normal";

struct CellData {
  CellValue value;
  std::u16string number_format = kGeneralFormat;
  std::u16string style = kNormalStyle;

  bool has_format() const { return number_format != kGeneralFormat || style != kNormalStyle; }
};

// The text Excel would show for a value in General format (for AutoFit).
std::u16string DisplayText(const CellValue& value);

}  // namespace corvane::sim::excel
