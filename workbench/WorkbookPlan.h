// What the workbench opens: workbooks as plain data, read from the text
// form (WorkbookReader) or the embedded sample, placed into a simulated
// Excel by WorkbookBuilder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/excel/model/Areas.h"
#include "sim/excel/model/SheetModel.h"
#include "sim/excel/pivot/PivotDefinition.h"

namespace corvane::workbench {

namespace pivot = sim::excel::pivot;

struct SheetPlan {
  std::u16string name;
  sim::excel::SheetKind kind = sim::excel::SheetKind::Worksheet;
};

struct TablePlan {
  std::u16string sheet;
  pivot::PivotDefinition definition;
};

// Where the workbook opens: a sheet and its selection.
struct StartSelection {
  std::u16string sheet;
  sim::excel::Areas areas;
};

struct WorkbookPlan {
  std::u16string name;
  std::vector<SheetPlan> sheets;
  pivot::PivotSource records;
  std::vector<TablePlan> tables;
  std::optional<StartSelection> start;
};

}  // namespace corvane::workbench
