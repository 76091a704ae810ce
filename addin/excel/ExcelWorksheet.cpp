#include "addin/excel/ExcelWorksheet.h"

#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelRange.h"
#include "published/Excel.h"

namespace corvane::addin::excel {

bool ExcelWorksheet::IsWorksheet(IDispatch* sheet) {
  if (!sheet) return false;
  com::ComPtr<IUnknown> worksheet;
  return SUCCEEDED(sheet->QueryInterface(Excel::Worksheet::iid, worksheet.put_void())) && worksheet;
}

ExcelPivotTable ExcelWorksheet::PivotTables(std::u16string_view name) const {
  return ExcelPivotTable(GetObject(Excel::Worksheet::PivotTables, {com::Variant(name)}));
}

ExcelRange ExcelWorksheet::Range(const ExcelRange& cell1, const ExcelRange& cell2) const {
  return ExcelRange(GetObject(Excel::Worksheet::Range, {com::Variant(cell1.object()), com::Variant(cell2.object())}));
}

}  // namespace corvane::addin::excel
