// What every click works on: the active sheet, the selection as it was when
// the button was clicked, and the pivot table under the active cell, found
// again by its name on the active sheet. Held for the length of one click.
#pragma once

#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelRange.h"
#include "addin/excel/ExcelWorksheet.h"
#include "framework/events/TExcelApplication.h"

namespace corvane::addin {

struct ClickContext {
  framework::TExcelApplication& app;
  excel::ExcelWorksheet sheet;
  excel::ExcelRange prior;
  excel::ExcelPivotTable table;
};

excel::ExcelRange ActiveCell(const framework::TExcelApplication& app);
excel::ExcelRange CurrentSelection(const framework::TExcelApplication& app);

// The table of the active cell, by name on the given sheet; fails (ComError)
// when the active cell lies outside every pivot table.
excel::ExcelPivotTable LocateTable(const framework::TExcelApplication& app, const excel::ExcelWorksheet& sheet);

// Reads, in this order, the active sheet, the selection and the table.
ClickContext LocateClick(framework::TExcelApplication& app);

}  // namespace corvane::addin
