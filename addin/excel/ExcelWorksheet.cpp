#include "addin/excel/ExcelWorksheet.h"

#include "addin/excel/ExcelDispids.h"
#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelRange.h"
#include "framework/events/ExcelInterfaceIds.h"

namespace corvane::addin::excel {

bool ExcelWorksheet::IsWorksheet(IDispatch* sheet) {
  return static_cast<bool>(com::try_as<IUnknown>(sheet, framework::kExcelWorksheetIid));
}

ExcelPivotTable ExcelWorksheet::PivotTables(std::u16string_view name) const {
  return ExcelPivotTable(GetObject(dispid::kWorksheetPivotTables, {com::Variant(name)}));
}

ExcelRange ExcelWorksheet::Range(const ExcelRange& cell1, const ExcelRange& cell2) const {
  return ExcelRange(GetObject(dispid::kWorksheetRange, {com::Variant(cell1.object()), com::Variant(cell2.object())}));
}

}  // namespace corvane::addin::excel
