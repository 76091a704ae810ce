#include "sim/excel/pivot/PivotTableModel.h"

#include <stdexcept>

#include "sim/excel/pivot/PivotSelection.h"

namespace corvane::sim::excel::pivot {

PivotTableModel::PivotTableModel(std::weak_ptr<SheetModel> sheet, PivotSource source, PivotDefinition definition,
                                 PivotLayout layout)
    : sheet_(std::move(sheet)),
      source_(std::move(source)),
      definition_(std::move(definition)),
      layout_(std::move(layout)) {}

std::shared_ptr<PivotTableModel> PivotTableModel::Place(const std::shared_ptr<SheetModel>& sheet, PivotSource source,
                                                        PivotDefinition definition) {
  if (!sheet || !sheet->is_worksheet()) throw std::invalid_argument("a pivot table needs a worksheet");
  if (sheet->PivotNamed(definition.name))
    throw std::invalid_argument("the sheet already has a pivot table of that name");
  PivotLayout layout = PivotLayout::Compute(source, definition);
  std::shared_ptr<PivotTableModel> table(
      new PivotTableModel(sheet, std::move(source), std::move(definition), std::move(layout)));
  table->Write(*sheet);
  sheet->AddPivot(table);
  return table;
}

void PivotTableModel::Relayout(PivotSource source, PivotDefinition definition) {
  PivotLayout next = PivotLayout::Compute(source, definition);
  auto sheet = sheet_.lock();
  if (sheet) sheet->ClearValues(layout_.table_range2());
  source_ = std::move(source);
  definition_ = std::move(definition);
  layout_ = std::move(next);
  ++layouts_;
  if (sheet) Write(*sheet);
}

void PivotTableModel::Write(SheetModel& sheet) const {
  for (const LayoutCell& cell : layout_.cells()) {
    sheet.SetValue(cell.ref, cell.value);
    if (cell.number_format)
      sheet.SetNumberFormat(Areas(CellRect::Cell(cell.ref.row, cell.ref.column)), *cell.number_format);
  }
}

std::vector<CellRect> PivotTableModel::Select(std::u16string_view text, int mode) const {
  return ResolvePivotSelect(layout_, text, mode);
}

}  // namespace corvane::sim::excel::pivot
