// Which area of a pivot table each cell of a sheet belongs to, as the grid
// marks it, and the field under a cell.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sim/excel/model/CellRect.h"
#include "sim/excel/model/SheetModel.h"

namespace corvane::workbench {

class PivotAreas {
 public:
  explicit PivotAreas(const sim::excel::SheetModel& sheet);

  // 'p' page, 'r' row, 'c' column, 'd' data, 'g' grand total, 'o' another
  // cell of a table; ' ' outside every table.
  char MarkAt(sim::excel::CellRef cell) const;
  // The lowest row and rightmost column any table reaches (0 without one).
  int32_t bottom() const { return bottom_; }
  int32_t right() const { return right_; }

  // "Region (row field of SalesByQuarter)"; "none" off the fields.
  static std::string FieldUnder(const sim::excel::SheetModel& sheet, sim::excel::CellRef cell);

 private:
  void Add(const std::vector<sim::excel::CellRect>& rects, char mark);

  // Earlier entries win: grand totals before the areas holding them.
  std::vector<std::pair<sim::excel::CellRect, char>> marks_;
  int32_t bottom_ = 0;
  int32_t right_ = 0;
};

}  // namespace corvane::workbench
