// The active sheet around its tables as text: column letters, row numbers,
// each cell's value through its number format in its column's width, the
// pivot areas and the selection marked before each cell, and the widths
// and heights that differ from the standard ones.
#pragma once

#include <string>

#include "sim/excel/model/AppModel.h"

namespace corvane::workbench {

class PivotAreas;

class GridView {
 public:
  explicit GridView(const sim::excel::AppModel& app) : app_(app) {}

  std::string Render() const;
  // What a cell shows, without the padding of its column.
  static std::u16string ShownText(const sim::excel::AppModel& app, const sim::excel::SheetModel& sheet,
                                  sim::excel::CellRef cell);
  static const char* Legend();

 private:
  std::string Line(const sim::excel::SheetModel& sheet, const PivotAreas& areas, int32_t row, int32_t columns) const;
  std::string Cell(const sim::excel::SheetModel& sheet, sim::excel::CellRef cell, char area) const;
  std::string Header(const sim::excel::SheetModel& sheet, int32_t columns) const;
  std::string Sizes(const sim::excel::SheetModel& sheet, int32_t rows, int32_t columns) const;
  static std::string Fitted(const sim::excel::SheetModel& sheet);

  const sim::excel::AppModel& app_;
};

}  // namespace corvane::workbench
