// An Excel pivot table: its name, areas, selections and grand totals.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "addin/excel/ExcelObject.h"
#include "published/Excel.h"

namespace corvane::addin::excel {

class ExcelRange;

// PivotSelect's modes.
enum class PivotSelectionMode : int32_t {
  DataAndLabel = Excel::xlDataAndLabel,
  Origin = Excel::xlOrigin,
  Blanks = Excel::xlBlanks,
};

class ExcelPivotTable : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  std::u16string Name() const;
  // Without, and with, the page fields.
  ExcelRange TableRange1() const;
  ExcelRange TableRange2() const;
  ExcelRange DataBodyRange() const;
  ExcelRange RowRange() const;
  ExcelRange ColumnRange() const;
  ExcelRange PageRange() const;
  // Fails when nothing matches the selection text.
  void PivotSelect(std::u16string_view name, PivotSelectionMode mode) const;
  bool ColumnGrand() const;
  void SetColumnGrand(bool shown) const;
  bool RowGrand() const;
  void SetRowGrand(bool shown) const;
  void Update() const;
};

}  // namespace corvane::addin::excel
