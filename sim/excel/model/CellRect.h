// A rectangle of cells on one sheet, 1-based rows and columns as Excel
// numbers them. The common currency of the sheet model, ranges and the pivot
// layout engine.
#pragma once

#include <algorithm>
#include <cstdint>

namespace corvane::sim::excel {

// Excel's sheet limits (the classic 65536 x 256 grid).
inline constexpr int32_t kMaxRows = 65536;
inline constexpr int32_t kMaxColumns = 256;

struct CellRef {
  int32_t row = 1;
  int32_t column = 1;
  bool operator==(const CellRef&) const = default;
};

struct CellRect {
  int32_t top = 1;
  int32_t left = 1;
  int32_t bottom = 1;  // inclusive
  int32_t right = 1;   // inclusive

  static CellRect Cell(int32_t row, int32_t column) { return {row, column, row, column}; }
  static CellRect Span(CellRef a, CellRef b) {
    return {std::min(a.row, b.row), std::min(a.column, b.column), std::max(a.row, b.row), std::max(a.column, b.column)};
  }

  int32_t rows() const { return bottom - top + 1; }
  int32_t columns() const { return right - left + 1; }
  int64_t count() const { return static_cast<int64_t>(rows()) * columns(); }
  CellRef first() const { return {top, left}; }
  bool contains(CellRef c) const { return c.row >= top && c.row <= bottom && c.column >= left && c.column <= right; }
  bool contains(const CellRect& r) const {
    return r.top >= top && r.bottom <= bottom && r.left >= left && r.right <= right;
  }
  bool intersects(const CellRect& r) const {
    return r.left <= right && r.right >= left && r.top <= bottom && r.bottom >= top;
  }
  bool valid() const {
    return top >= 1 && left >= 1 && top <= bottom && left <= right && bottom <= kMaxRows && right <= kMaxColumns;
  }
  bool operator==(const CellRect&) const = default;
};

}  // namespace corvane::sim::excel
