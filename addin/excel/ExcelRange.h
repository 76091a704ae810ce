// Excel's Range: the cells the tools select, format and measure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelPivotField;
class ExcelPivotTable;
class ExcelWorksheet;

class ExcelRange : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  // The table and field under the range's first cell; PivotTable fails
  // outside every table.
  ExcelPivotTable PivotTable() const;
  ExcelPivotField PivotField() const;
  // Format codes in en-US notation (asked with com::kLocaleEnUs).
  std::u16string NumberFormat() const;
  void SetNumberFormat(std::u16string_view format) const;
  void SetStyle(std::u16string_view style) const;
  void Select() const;
  ExcelRange Cells() const;
  ExcelRange Item(int32_t row, int32_t column) const;
  ExcelRange Rows() const;
  ExcelRange Columns() const;
  int32_t Count() const;
  void AutoFit() const;
  void ClearFormats() const;
  // Two selections are the same when their addresses are.
  std::u16string Address() const;
  com::ComPtr<IDispatch> Application() const;
  ExcelWorksheet Worksheet() const;
};

}  // namespace corvane::addin::excel
