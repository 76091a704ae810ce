// The active sheet around its tables as text: column letters, row numbers,
// each cell's value through its number format in its column's width, the
// pivot areas and the selection marked before each cell, and the widths
// and heights that differ from the standard ones.
#pragma once

#include <string>
#include <vector>

#include "sim/excel/model/AppModel.h"

namespace corvane::workbench {

class PivotAreas;

// One cell as the grid shows it: the text through its number format (not
// yet cut to the column), its pivot area mark and its selection mark ('>'
// the active cell, '*' selected, ' ').
struct GridCell {
  std::string text;
  char area = ' ';
  char mark = ' ';
  bool number = false;
};

struct GridColumn {
  int32_t column = 1;
  std::string letters;
  // Characters.
  int32_t width = 8;
};

struct GridRow {
  int32_t row = 1;
  std::vector<GridCell> cells;
};

// A block of the active sheet, what both the text screen and the terminal
// draw from.
struct GridModel {
  std::vector<GridColumn> columns;
  std::vector<GridRow> rows;
};

class GridView {
 public:
  explicit GridView(const sim::excel::AppModel& app) : app_(app) {}

  std::string Render() const;
  // The block from `origin` on, at most `rows` by `columns`, clipped to the
  // sheet; empty without a worksheet.
  GridModel Model(sim::excel::CellRef origin, int32_t rows, int32_t columns) const;
  // A column's width in whole characters (1 to 40).
  static int32_t CharactersOf(double width);
  // UTF-8 text padded or cut to a width; right-aligned numbers too wide
  // show '#'s.
  static std::string FitToWidth(const std::string& text, size_t width, bool right);
  // What a cell shows, without the padding of its column.
  static std::u16string ShownText(const sim::excel::AppModel& app, const sim::excel::SheetModel& sheet,
                                  sim::excel::CellRef cell);
  static const char* Legend();

 private:
  static std::string Line(const GridRow& row, const std::vector<GridColumn>& columns);
  static std::string Header(const std::vector<GridColumn>& columns);
  GridCell Cell(const sim::excel::SheetModel& sheet, sim::excel::CellRef cell, char area) const;
  std::string Sizes(const sim::excel::SheetModel& sheet, int32_t rows, int32_t columns) const;
  static std::string Fitted(const sim::excel::SheetModel& sheet);

  const sim::excel::AppModel& app_;
};

}  // namespace corvane::workbench
