#include "workbench/PivotAreas.h"

#include <algorithm>

#include "platform/com/Text.h"
#include "sim/excel/pivot/PivotTableModel.h"

namespace corvane::workbench {
namespace {

namespace pivot = sim::excel::pivot;

std::vector<sim::excel::CellRect> Listed(const std::optional<sim::excel::CellRect>& rect) {
  return rect ? std::vector{*rect} : std::vector<sim::excel::CellRect>{};
}

const char* RoleName(pivot::FieldRole role) {
  switch (role) {
    case pivot::FieldRole::Row:
      return "row";
    case pivot::FieldRole::Column:
      return "column";
    case pivot::FieldRole::Page:
      return "page";
    case pivot::FieldRole::Data:
      return "data";
  }
  return "";
}

}  // namespace

PivotAreas::PivotAreas(const sim::excel::SheetModel& sheet) {
  for (const auto& site : sheet.pivots()) {
    const auto table = std::dynamic_pointer_cast<pivot::PivotTableModel>(site);
    if (!table) continue;
    const auto& layout = table->layout();
    Add(layout.ColumnGrandTotal(pivot::SelectPart::DataAndLabel), 'g');
    Add(layout.RowGrandTotal(pivot::SelectPart::DataAndLabel), 'g');
    Add(Listed(layout.page_range()), 'p');
    Add({layout.data_body_range()}, 'd');
    Add(Listed(layout.row_range()), 'r');
    Add(Listed(layout.column_range()), 'c');
    Add({layout.table_range2()}, 'o');
    bottom_ = std::max(bottom_, layout.table_range2().bottom);
    right_ = std::max(right_, layout.table_range2().right);
  }
}

void PivotAreas::Add(const std::vector<sim::excel::CellRect>& rects, char mark) {
  for (const auto& rect : rects) marks_.emplace_back(rect, mark);
}

char PivotAreas::MarkAt(sim::excel::CellRef cell) const {
  for (const auto& [rect, mark] : marks_) {
    if (rect.contains(cell)) return mark;
  }
  return ' ';
}

std::string PivotAreas::FieldUnder(const sim::excel::SheetModel& sheet, sim::excel::CellRef cell) {
  const auto table = std::dynamic_pointer_cast<pivot::PivotTableModel>(sheet.PivotAt(cell));
  if (!table) return "none";
  const auto field = table->layout().FieldAt(cell);
  if (!field) return "none";
  return com::Utf16ToUtf8(table->layout().FieldName(*field)) + " (" + RoleName(field->role) + " field of " +
         com::Utf16ToUtf8(table->name()) + ")";
}

}  // namespace corvane::workbench
