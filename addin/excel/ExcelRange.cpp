#include "addin/excel/ExcelRange.h"

#include "addin/excel/ExcelDispids.h"
#include "addin/excel/ExcelPivotField.h"
#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelWorksheet.h"

namespace corvane::addin::excel {

ExcelPivotTable ExcelRange::PivotTable() const { return ExcelPivotTable(GetObject(dispid::kRangePivotTable)); }
ExcelPivotField ExcelRange::PivotField() const { return ExcelPivotField(GetObject(dispid::kRangePivotField)); }
std::u16string ExcelRange::NumberFormat() const {
  return Get(dispid::kRangeNumberFormat, {}, com::kLocaleEnUs).ToText();
}
void ExcelRange::SetNumberFormat(std::u16string_view format) const {
  Put(dispid::kRangeNumberFormat, com::Variant(format), com::kLocaleEnUs);
}
void ExcelRange::SetStyle(std::u16string_view style) const { Put(dispid::kRangeStyle, com::Variant(style)); }
void ExcelRange::Select() const { Call(dispid::kRangeSelect); }
ExcelRange ExcelRange::Cells() const { return ExcelRange(GetObject(dispid::kRangeCells)); }
ExcelRange ExcelRange::Item(int32_t row, int32_t column) const {
  return ExcelRange(GetObject(dispid::kRangeItem, {com::Variant(row), com::Variant(column)}));
}
ExcelRange ExcelRange::Rows() const { return ExcelRange(GetObject(dispid::kRangeRows)); }
ExcelRange ExcelRange::Columns() const { return ExcelRange(GetObject(dispid::kRangeColumns)); }
int32_t ExcelRange::Count() const { return Get(dispid::kRangeCount).ToInt32(); }
void ExcelRange::AutoFit() const { Call(dispid::kRangeAutoFit); }
void ExcelRange::ClearFormats() const { Call(dispid::kRangeClearFormats); }
std::u16string ExcelRange::Address() const { return Get(dispid::kRangeAddress).ToText(); }
com::ComPtr<IDispatch> ExcelRange::Application() const { return GetObject(dispid::kRangeApplication); }
ExcelWorksheet ExcelRange::Worksheet() const { return ExcelWorksheet(GetObject(dispid::kRangeWorksheet)); }

}  // namespace corvane::addin::excel
