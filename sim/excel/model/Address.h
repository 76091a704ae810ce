// Cell addresses as Excel writes and reads them in A1 style: "$A$1",
// "$A$1:$B$2", whole columns "$A:$B", whole rows "$1:$3", areas joined by
// commas.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/excel/model/CellRect.h"

namespace corvane::sim::excel {

struct AddressStyle {
  bool row_absolute = true;
  bool column_absolute = true;
  bool r1c1 = false;  // absolute R1C1 ("R1C1:R2C2") instead of A1
};

// "A" for 1, "Z" for 26, "AA" for 27, "IV" for 256.
std::u16string ColumnLetters(int32_t column);

std::u16string AddressOf(const CellRect& rect, const AddressStyle& style = {});
std::u16string AddressOf(const std::vector<CellRect>& areas, const AddressStyle& style = {});

// Reads A1-style text ("b2", "$A$1:$C$3", "A:B", "2:2", "A1,C3:D4");
// nothing when the text is not an address on the sheet grid.
std::optional<std::vector<CellRect>> ParseAddress(std::u16string_view text);

}  // namespace corvane::sim::excel
