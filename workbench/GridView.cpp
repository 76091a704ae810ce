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

int32_t CharactersOf(double width) { return std::clamp(static_cast<int32_t>(std::lround(width)), 1, 40); }

// Characters of UTF-8 text (continuation bytes not counted).
size_t Length(const std::string& text) {
  return std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string Fit(const std::string& text, size_t width, bool right) {
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
  std::string text = Header(*sheet, columns);
  for (int32_t row = 1; row <= rows; ++row) text += Line(*sheet, areas, row, columns);
  return text + Sizes(*sheet, rows, columns);
}

std::string GridView::Header(const SheetModel& sheet, int32_t columns) const {
  std::string text(kRowLabelWidth, ' ');
  for (int32_t column = 1; column <= columns; ++column) {
    text += "   " +
            Fit(com::Utf16ToUtf8(sim::excel::ColumnLetters(column)), CharactersOf(sheet.column_width(column)), false);
  }
  return text + "\n";
}

std::string GridView::Line(const SheetModel& sheet, const PivotAreas& areas, int32_t row, int32_t columns) const {
  std::string text = Fit(std::to_string(row), kRowLabelWidth, true);
  for (int32_t column = 1; column <= columns; ++column) text += Cell(sheet, {row, column}, areas.MarkAt({row, column}));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text + "\n";
}

std::string GridView::Cell(const SheetModel& sheet, CellRef cell, char area) const {
  const auto selection = app_.selection();
  char selected = ' ';
  if (selection && selection->active_cell == cell) {
    selected = '>';
  } else if (selection && selection->areas.Contains(cell)) {
    selected = '*';
  }
  const bool number = std::holds_alternative<double>(sheet.cell(cell).value);
  const std::string shown = com::Utf16ToUtf8(ShownText(app_, sheet, cell));
  return std::string{' ', area, selected} + Fit(shown, CharactersOf(sheet.column_width(cell.column)), number);
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
