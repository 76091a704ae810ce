// The makers of the pivot wrappers the sheet objects hand out, so that
// Range.PivotTable, Range.PivotField and Worksheet.PivotTables reach this
// package without including it.
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/objects/PivotObjects.h"
#include "sim/excel/pivot/PivotObjects.h"

namespace corvane::sim::excel::pivot {

PivotObjectMakers DefaultPivotObjectMakers() {
  PivotObjectMakers makers;
  makers.table = [](const std::shared_ptr<SheetModel>&, const std::shared_ptr<PivotSite>& site) {
    auto table = std::dynamic_pointer_cast<PivotTableModel>(site);
    return table ? AsDispatch(com::Make<PivotTableObject>(table)) : com::ComPtr<IDispatch>();
  };
  makers.tables = [](const std::shared_ptr<SheetModel>& sheet) {
    return AsDispatch(com::Make<PivotTablesObject>(sheet));
  };
  makers.field_at = [](const std::shared_ptr<SheetModel>&, const std::shared_ptr<PivotSite>& site, CellRef cell) {
    auto table = std::dynamic_pointer_cast<PivotTableModel>(site);
    auto field = table ? PivotFieldAccess::Under(table, cell) : std::nullopt;
    return field ? AsDispatch(com::Make<PivotFieldObject>(*field)) : com::ComPtr<IDispatch>();
  };
  return makers;
}

}  // namespace corvane::sim::excel::pivot
