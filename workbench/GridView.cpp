#include "workbench/GridView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/com/Text.h"
#include "sim/excel/model/Address.h"
#include "workbench/NumberFormatter.h"
#include "workbench/PivotAreas.h"

namespace corvane::workbench {
namespace {

using sim::excel::CellRef;
using sim::excel::SheetModel;

constexpr int32_t kRowLabelWidth = 5;
constexpr int32_t kMinimumRows = 8;
constexpr int32_t kMinimumColumns = 5;

// Characters of UTF-8 text (continuation bytes not counted).
size_t Length(const std::string& text) {
  return std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string Number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

}  // namespace

const char* GridView::Legend() {
  return "Before each cell: p page  r row  c column  d data  g grand total  o other table cell;"
         "  > active cell  * selected\n";
}

std::u16string GridView::ShownText(const sim::excel::AppModel& app, const SheetModel& sheet, CellRef cell) {
  const auto& data = sheet.cell(cell);
  return NumberFormatter(app.user_notation()).Format(data.value, data.number_format);
}

int32_t GridView::CharactersOf(double width) { return std::clamp(static_cast<int32_t>(std::lround(width)), 1, 40); }

std::string GridView::FitToWidth(const std::string& text, size_t width, bool right) {
  if (Length(text) > width) {
    if (right) return std::string(width, '#');
    std::string cut;
    size_t count = 0;
    for (char c : text) {
      if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && count++ == width) break;
      cut += c;
    }
    return cut;
  }
  const std::string pad(width - Length(text), ' ');
  return right ? pad + text : text + pad;
}

std::string GridView::Render() const {
  const auto sheet = app_.active_sheet();
  if (!sheet) return "No workbook open.\n";
  if (!sheet->is_worksheet()) return "Chart sheet \"" + com::Utf16ToUtf8(sheet->name()) + "\": no cells.\n";
  const PivotAreas areas(*sheet);
  const auto selection = app_.selection();
  const CellRef active = selection ? selection->active_cell : CellRef{};
  const int32_t rows = std::min(std::max({areas.bottom(), active.row, kMinimumRows}) + 1, sim::excel::kMaxRows);
  const int32_t columns =
      std::min(std::max({areas.right(), active.column, kMinimumColumns}) + 1, sim::excel::kMaxColumns);
  const GridModel model = Model({1, 1}, rows, columns);
  std::string text = Header(model.columns);
  for (const auto& row : model.rows) text += Line(row, model.columns);
  return text + Sizes(*sheet, rows, columns);
}

GridModel GridView::Model(CellRef origin, int32_t rows, int32_t columns) const {
  GridModel model;
  const auto sheet = app_.active_sheet();
  if (!sheet || !sheet->is_worksheet()) return model;
  const PivotAreas areas(*sheet);
  const int32_t right = std::min(origin.column + columns - 1, sim::excel::kMaxColumns);
  const int32_t bottom = std::min(origin.row + rows - 1, sim::excel::kMaxRows);
  for (int32_t column = origin.column; column <= right; ++column) {
    model.columns.push_back(
        {column, com::Utf16ToUtf8(sim::excel::ColumnLetters(column)), CharactersOf(sheet->column_width(column))});
  }
  for (int32_t row = origin.row; row <= bottom; ++row) {
    GridRow line{row, {}};
    for (int32_t column = origin.column; column <= right; ++column) {
      line.cells.push_back(Cell(*sheet, {row, column}, areas.MarkAt({row, column})));
    }
    model.rows.push_back(std::move(line));
  }
  return model;
}

std::string GridView::Header(const std::vector<GridColumn>& columns) {
  std::string text(kRowLabelWidth, ' ');
  for (const auto& column : columns) text += "   " + FitToWidth(column.letters, column.width, false);
  return text + "\n";
}

std::string GridView::Line(const GridRow& row, const std::vector<GridColumn>& columns) {
  std::string text = FitToWidth(std::to_string(row.row), kRowLabelWidth, true);
  for (size_t i = 0; i < row.cells.size(); ++i) {
    const GridCell& cell = row.cells[i];
    text += std::string{' ', cell.area, cell.mark} + FitToWidth(cell.text, columns[i].width, cell.number);
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text + "\n";
}

GridCell GridView::Cell(const SheetModel& sheet, CellRef cell, char area) const {
  const auto selection = app_.selection();
  char selected = ' ';
  if (selection && selection->active_cell == cell) {
    selected = '>';
  } else if (selection && selection->areas.Contains(cell)) {
    selected = '*';
  }
  const bool number = std::holds_alternative<double>(sheet.cell(cell).value);
  return {com::Utf16ToUtf8(ShownText(app_, sheet, cell)), area, selected, number};
}

std::string GridView::Sizes(const SheetModel& sheet, int32_t rows, int32_t columns) const {
  std::string widths, heights;
  for (int32_t column = 1; column <= columns; ++column) {
    if (sheet.column_width(column) == sim::excel::kStandardColumnWidth) continue;
    widths += " " + com::Utf16ToUtf8(sim::excel::ColumnLetters(column)) + " " + Number(sheet.column_width(column));
  }
  for (int32_t row = 1; row <= rows; ++row) {
    if (sheet.row_height(row) == sim::excel::kStandardRowHeight) continue;
    heights += " " + std::to_string(row) + " " + Number(sheet.row_height(row));
  }
  return "Column widths (characters):" + (widths.empty() ? std::string(" all standard (8.43)") : widths) +
         "\nRow heights (points):" + (heights.empty() ? std::string(" all standard (12.75)") : heights) + "\n" +
         Fitted(sheet);
}

// Rows and columns AutoFit has set, runs of rows folded ("3-25").
std::string GridView::Fitted(const SheetModel& sheet) {
  if (sheet.fitted_columns().empty() && sheet.fitted_rows().empty()) return {};
  std::string text = "Fitted by AutoFit:";
  if (!sheet.fitted_columns().empty()) text += " columns";
  for (int32_t column : sheet.fitted_columns()) text += " " + com::Utf16ToUtf8(sim::excel::ColumnLetters(column));
  const auto& rows = sheet.fitted_rows();
  if (!rows.empty()) text += sheet.fitted_columns().empty() ? " rows" : "; rows";
  for (size_t i = 0; i < rows.size();) {
    size_t last = i;
    while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) ++last;
    text += " " + std::to_string(rows[i]) + (last > i ? "-" + std::to_string(rows[last]) : "");
    i = last + 1;
  }
  return text + "\n";
}

}  // namespace corvane::workbench
