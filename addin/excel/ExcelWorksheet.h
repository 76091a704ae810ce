// A sheet the tools work on: its pivot tables by name and its rectangles.
#pragma once

#include <string_view>

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelPivotTable;
class ExcelRange;

class ExcelWorksheet : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  // A chart sheet, for one, is no worksheet; neither is Nothing.
  static bool IsWorksheet(IDispatch* sheet);

  ExcelPivotTable PivotTables(std::u16string_view name) const;
  // The rectangle from one cell to the other.
  ExcelRange Range(const ExcelRange& cell1, const ExcelRange& cell2) const;
};

}  // namespace corvane::addin::excel
