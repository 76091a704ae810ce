#include "addin/excel/ExcelRange.h"

#include "addin/excel/ExcelPivotField.h"
#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelWorksheet.h"
#include "published/Excel.h"

namespace corvane::addin::excel {

ExcelPivotTable ExcelRange::PivotTable() const { return ExcelPivotTable(GetObject(Excel::Range::PivotTable)); }
ExcelPivotField ExcelRange::PivotField() const { return ExcelPivotField(GetObject(Excel::Range::PivotField)); }
std::u16string ExcelRange::NumberFormat() const {
  return Get(Excel::Range::NumberFormat, {}, com::kLocaleEnUs).ToText();
}
void ExcelRange::SetNumberFormat(std::u16string_view format) const {
  Put(Excel::Range::NumberFormat, com::Variant(format), com::kLocaleEnUs);
}
void ExcelRange::SetStyle(std::u16string_view style) const { Put(Excel::Range::Style, com::Variant(style)); }
void ExcelRange::Select() const { Call(Excel::Range::Select); }
ExcelRange ExcelRange::Cells() const { return ExcelRange(GetObject(Excel::Range::Cells)); }
ExcelRange ExcelRange::Item(int32_t row, int32_t column) const {
  return ExcelRange(GetObject(Excel::Range::Item, {com::Variant(row), com::Variant(column)}));
}
ExcelRange ExcelRange::Rows() const { return ExcelRange(GetObject(Excel::Range::Rows)); }
ExcelRange ExcelRange::Columns() const { return ExcelRange(GetObject(Excel::Range::Columns)); }
int32_t ExcelRange::Count() const { return Get(Excel::Range::Count).ToInt32(); }
void ExcelRange::AutoFit() const { Call(Excel::Range::AutoFit); }
void ExcelRange::ClearFormats() const { Call(Excel::Range::ClearFormats); }
std::u16string ExcelRange::Address() const { return Get(Excel::Range::Address).ToText(); }
com::ComPtr<IDispatch> ExcelRange::Application() const { return GetObject(Excel::Range::Application); }
ExcelWorksheet ExcelRange::Worksheet() const { return ExcelWorksheet(GetObject(Excel::Range::Worksheet)); }

}  // namespace corvane::addin::excel
