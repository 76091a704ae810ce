#include "workbench/interactive/SelectionEditor.h"

#include <algorithm>
#include <vector>

namespace corvane::workbench {
namespace {

using sim::excel::Areas;
using sim::excel::CellRect;
using sim::excel::CellRef;
using sim::excel::Selection;

Selection WithLastArea(const Selection& selection, CellRect last, CellRef active) {
  std::vector<CellRect> rects = selection.areas.rects();
  if (rects.empty()) {
    rects.push_back(last);
  } else {
    rects.back() = last;
  }
  return {Areas(rects), active};
}

}  // namespace

CellRef SelectionEditor::Moved(CellRef cell, int rows, int columns) {
  return {std::clamp(cell.row + rows, 1, sim::excel::kMaxRows),
          std::clamp(cell.column + columns, 1, sim::excel::kMaxColumns)};
}

Selection SelectionEditor::Single(CellRef cell) { return {Areas(CellRect::Cell(cell.row, cell.column)), cell}; }

Selection SelectionEditor::Extend(const Selection& selection, CellRef& corner, int rows, int columns) {
  corner = Moved(corner, rows, columns);
  return WithLastArea(selection, CellRect::Span(selection.active_cell, corner), selection.active_cell);
}

Selection SelectionEditor::AddCell(const Selection& selection, CellRef cell) {
  std::vector<CellRect> rects = selection.areas.rects();
  rects.push_back(CellRect::Cell(cell.row, cell.column));
  return {Areas(rects), cell};
}

Selection SelectionEditor::Span(const Selection& selection, CellRef from, CellRef to) {
  return WithLastArea(selection, CellRect::Span(from, to), from);
}

}  // namespace corvane::workbench
