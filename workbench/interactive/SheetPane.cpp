#include "workbench/interactive/SheetPane.h"

#include <algorithm>

#include "platform/com/Text.h"
#include "workbench/GridView.h"

namespace corvane::workbench {
namespace {

using sim::excel::CellRef;

void PaintHeader(const GridModel& model, CellRef active, int row, Canvas& canvas) {
  int column = SheetPane::kRowLabelWidth;
  for (const auto& each : model.columns) {
    const uint8_t emphasis = each.column == active.column ? kBold | kReverse : kPlain;
    canvas.Put(row, column, " " + GridView::FitToWidth(each.letters, each.width, false), Style::Header, emphasis);
    column += each.width + 1;
  }
}

void PaintRow(const GridModel& model, const GridRow& line, int row, Canvas& canvas, HitMap& hits) {
  const bool activeRow = std::any_of(line.cells.begin(), line.cells.end(), [](const auto& c) { return c.mark == '>'; });
  canvas.Put(row, 0, GridView::FitToWidth(std::to_string(line.row), SheetPane::kRowLabelWidth - 1, true) + " ",
             Style::Header, activeRow ? kBold | kReverse : kPlain);
  int column = SheetPane::kRowLabelWidth;
  for (size_t i = 0; i < line.cells.size(); ++i) {
    const GridCell& cell = line.cells[i];
    const int width = model.columns[i].width;
    uint8_t emphasis = cell.mark == ' ' ? kPlain : kReverse;
    if (cell.mark == '>') {
      emphasis |= kBold | kUnderline;
      canvas.SetCursor(row, column + 1);
    }
    const Style style = SheetPane::AreaStyle(cell.area);
    canvas.Put(row, column, cell.mark == '>' ? ">" : " ", style, emphasis);
    canvas.Put(row, column + 1, GridView::FitToWidth(cell.text, width, cell.number), style, emphasis);
    hits.Add(row, column, width + 1, {TargetKind::Cell, {line.row, model.columns[i].column}, 0});
    column += width + 1;
  }
}

}  // namespace

Style SheetPane::AreaStyle(char area) {
  switch (area) {
    case 'p':
      return Style::PageArea;
    case 'r':
      return Style::RowArea;
    case 'c':
      return Style::ColumnArea;
    case 'd':
      return Style::DataArea;
    case 'g':
      return Style::GrandTotal;
    case 'o':
      return Style::OtherTable;
    default:
      return Style::Normal;
  }
}

int32_t SheetPane::ColumnsThatFit(int32_t first, int width, const std::function<int32_t(int32_t)>& widthOf) {
  int32_t count = 0;
  int used = 0;
  for (int32_t column = first; column <= sim::excel::kMaxColumns; ++column) {
    used += widthOf(column) + 1;
    if (used > width && count > 0) break;
    ++count;
  }
  return count;
}

CellRef SheetPane::Scrolled(CellRef origin, CellRef active, int rows, int width,
                            const std::function<int32_t(int32_t)>& widthOf) {
  rows = std::max(rows, 1);
  if (active.row < origin.row) origin.row = active.row;
  if (active.row >= origin.row + rows) origin.row = active.row - rows + 1;
  if (active.column < origin.column) origin.column = active.column;
  while (active.column >= origin.column + ColumnsThatFit(origin.column, width, widthOf)) ++origin.column;
  return origin;
}

void SheetPane::Paint(const sim::excel::AppModel& app, ViewState& state, int top, int height, Canvas& canvas,
                      HitMap& hits) {
  canvas.Clear(top, 0, height, canvas.columns(), Style::Normal);
  const auto sheet = app.active_sheet();
  if (!sheet) {
    canvas.Put(top, 1, "No workbook open.", Style::Normal);
    return;
  }
  if (!sheet->is_worksheet()) {
    canvas.Put(top, 1, "Chart sheet \"" + com::Utf16ToUtf8(sheet->name()) + "\": no cells.", Style::Normal);
    return;
  }
  const auto widthOf = [&](int32_t column) { return GridView::CharactersOf(sheet->column_width(column)); };
  const int width = canvas.columns() - kRowLabelWidth;
  const auto selection = app.selection();
  const CellRef active = selection ? selection->active_cell : CellRef{};
  state.origin = Scrolled(state.origin, active, height - 1, width, widthOf);
  const GridModel model =
      GridView(app).Model(state.origin, height - 1, ColumnsThatFit(state.origin.column, width, widthOf));
  canvas.Put(top, 0, std::string(kRowLabelWidth, ' '), Style::Header);
  PaintHeader(model, active, top, canvas);
  for (size_t i = 0; i < model.rows.size(); ++i)
    PaintRow(model, model.rows[i], top + 1 + static_cast<int>(i), canvas, hits);
}

}  // namespace corvane::workbench
