// The cells a Range stands for: one or more rectangles on one sheet, and how
// the range was reached (as cells, as rows or as columns), which decides what
// Count and Item mean, as in Excel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/excel/model/Address.h"
#include "sim/excel/model/CellRect.h"

namespace corvane::sim::excel {

enum class AreaShape { Cells, Rows, Columns };

class Areas {
 public:
  Areas() = default;
  explicit Areas(CellRect rect, AreaShape shape = AreaShape::Cells);
  explicit Areas(std::vector<CellRect> rects, AreaShape shape = AreaShape::Cells);

  const std::vector<CellRect>& rects() const { return rects_; }
  AreaShape shape() const { return shape_; }
  const CellRect& first_area() const { return rects_.front(); }
  CellRef first_cell() const { return rects_.front().first(); }

  // The same areas seen as cells, rows or columns.
  Areas As(AreaShape shape) const { return Areas(rects_, shape); }

  // Excel's Count: cells of all areas; rows or columns of the first area only.
  int64_t Count() const;
  // Item(index) and Item(row, column), relative to the first area's top-left
  // cell and, like Excel, allowed to reach beyond it. Nothing when the result
  // falls off the sheet.
  std::optional<Areas> Item(int32_t index) const;
  std::optional<Areas> Item(int32_t row, int32_t column) const;

  bool Contains(CellRef cell) const;
  std::u16string Address(const AddressStyle& style = {}) const { return AddressOf(rects_, style); }

  // Areas of both, in order, an area inside another dropped and two that
  // together form a rectangle merged (so A1 with A2 is $A$1:$A$2).
  static Areas Union(const Areas& a, const Areas& b);

 private:
  std::vector<CellRect> rects_;
  AreaShape shape_ = AreaShape::Cells;
};

}  // namespace corvane::sim::excel
