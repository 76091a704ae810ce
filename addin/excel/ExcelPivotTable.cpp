#include "addin/excel/ExcelPivotTable.h"

#include "addin/excel/ExcelDispids.h"
#include "addin/excel/ExcelRange.h"

namespace corvane::addin::excel {

std::u16string ExcelPivotTable::Name() const { return Get(dispid::kPivotTableName).ToText(); }
ExcelRange ExcelPivotTable::TableRange1() const { return ExcelRange(GetObject(dispid::kPivotTableTableRange1)); }
ExcelRange ExcelPivotTable::TableRange2() const { return ExcelRange(GetObject(dispid::kPivotTableTableRange2)); }
ExcelRange ExcelPivotTable::DataBodyRange() const { return ExcelRange(GetObject(dispid::kPivotTableDataBodyRange)); }
ExcelRange ExcelPivotTable::RowRange() const { return ExcelRange(GetObject(dispid::kPivotTableRowRange)); }
ExcelRange ExcelPivotTable::ColumnRange() const { return ExcelRange(GetObject(dispid::kPivotTableColumnRange)); }
ExcelRange ExcelPivotTable::PageRange() const { return ExcelRange(GetObject(dispid::kPivotTablePageRange)); }

void ExcelPivotTable::PivotSelect(std::u16string_view name, PivotSelectionMode mode) const {
  Call(dispid::kPivotTablePivotSelect, {com::Variant(name), com::Variant(static_cast<int32_t>(mode))});
}

bool ExcelPivotTable::ColumnGrand() const { return Get(dispid::kPivotTableColumnGrand).ToBool(); }
void ExcelPivotTable::SetColumnGrand(bool shown) const { Put(dispid::kPivotTableColumnGrand, com::Variant(shown)); }
bool ExcelPivotTable::RowGrand() const { return Get(dispid::kPivotTableRowGrand).ToBool(); }
void ExcelPivotTable::SetRowGrand(bool shown) const { Put(dispid::kPivotTableRowGrand, com::Variant(shown)); }
void ExcelPivotTable::Update() const { Call(dispid::kPivotTableUpdate); }

}  // namespace corvane::addin::excel
