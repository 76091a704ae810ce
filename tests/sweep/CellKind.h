// The kinds of place the user can click a button from: cells of the
// worked example's pivot table on Sheet1, a plain cell, and a chart sheet.
#pragma once

namespace corvane::sweep {

struct CellKind {
  const char* name;
  const char* address;  // null: the chart sheet
};

inline constexpr CellKind kCellKinds[] = {
    {"data", "C6"},        {"row field", "A5"}, {"column field", "B4"},   {"page field", "A1"},
    {"grand total", "D4"}, {"plain", "F10"},    {"chart sheet", nullptr},
};

}  // namespace corvane::sweep
