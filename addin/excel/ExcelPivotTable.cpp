#include "addin/excel/ExcelPivotTable.h"

#include "addin/excel/ExcelRange.h"
#include "published/Excel.h"

namespace corvane::addin::excel {

std::u16string ExcelPivotTable::Name() const { return Get(Excel::PivotTable::Name).ToText(); }
ExcelRange ExcelPivotTable::TableRange1() const { return ExcelRange(GetObject(Excel::PivotTable::TableRange1)); }
ExcelRange ExcelPivotTable::TableRange2() const { return ExcelRange(GetObject(Excel::PivotTable::TableRange2)); }
ExcelRange ExcelPivotTable::DataBodyRange() const { return ExcelRange(GetObject(Excel::PivotTable::DataBodyRange)); }
ExcelRange ExcelPivotTable::RowRange() const { return ExcelRange(GetObject(Excel::PivotTable::RowRange)); }
ExcelRange ExcelPivotTable::ColumnRange() const { return ExcelRange(GetObject(Excel::PivotTable::ColumnRange)); }
ExcelRange ExcelPivotTable::PageRange() const { return ExcelRange(GetObject(Excel::PivotTable::PageRange)); }

void ExcelPivotTable::PivotSelect(std::u16string_view name, PivotSelectionMode mode) const {
  Call(Excel::PivotTable::PivotSelect, {com::Variant(name), com::Variant(static_cast<int32_t>(mode))});
}

bool ExcelPivotTable::ColumnGrand() const { return Get(Excel::PivotTable::ColumnGrand).ToBool(); }
void ExcelPivotTable::SetColumnGrand(bool shown) const { Put(Excel::PivotTable::ColumnGrand, com::Variant(shown)); }
bool ExcelPivotTable::RowGrand() const { return Get(Excel::PivotTable::RowGrand).ToBool(); }
void ExcelPivotTable::SetRowGrand(bool shown) const { Put(Excel::PivotTable::RowGrand, com::Variant(shown)); }
void ExcelPivotTable::Update() const { Call(Excel::PivotTable::Update); }

}  // namespace corvane::addin::excel
