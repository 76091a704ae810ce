// How the arrows and the mouse change a selection, as in Excel: an arrow
// moves the active cell; Shift+arrow moves the far corner of the last area
// while the active cell stays; Ctrl adds an area; a drag spans the last
// area from where it started. Everything stays on the sheet.
#pragma once

#include "sim/excel/model/CellRect.h"
#include "sim/excel/model/WindowModel.h"

namespace corvane::workbench {

class SelectionEditor {
 public:
  static sim::excel::CellRef Moved(sim::excel::CellRef cell, int rows, int columns);
  static sim::excel::Selection Single(sim::excel::CellRef cell);
  // `corner` is the far corner before the move and is moved with it.
  static sim::excel::Selection Extend(const sim::excel::Selection& selection, sim::excel::CellRef& corner, int rows,
                                      int columns);
  static sim::excel::Selection AddCell(const sim::excel::Selection& selection, sim::excel::CellRef cell);
  // The last area becomes the span; its start is the active cell.
  static sim::excel::Selection Span(const sim::excel::Selection& selection, sim::excel::CellRef from,
                                    sim::excel::CellRef to);
};

}  // namespace corvane::workbench
