#include "addin/excel/ExcelWorksheet.h"

#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelRange.h"
#include "published/Excel.h"

namespace corvane::addin::excel {

bool ExcelWorksheet::IsWorksheet(IDispatch* sheet) {
  return static_cast<bool>(com::try_as<IUnknown>(sheet, Excel::Worksheet::iid));
}

ExcelPivotTable ExcelWorksheet::PivotTables(std::u16string_view name) const {
  return ExcelPivotTable(GetObject(Excel::Worksheet::PivotTables, {com::Variant(name)}));
}

ExcelRange ExcelWorksheet::Range(const ExcelRange& cell1, const ExcelRange& cell2) const {
  return ExcelRange(GetObject(Excel::Worksheet::Range, {com::Variant(cell1.object()), com::Variant(cell2.object())}));
}

}  // namespace corvane::addin::excel
