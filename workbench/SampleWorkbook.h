// The workbooks the workbench opens when no file is given: sales records
// (region, product, quarter, year, units, revenue) with a table that has
// page, row and column fields, two data fields and subtotals, a smaller
// table beside it, one on another sheet, a plain sheet and a chart sheet;
// and a second, small workbook. Written in the text form of workbook files.
#pragma once

#include <string>
#include <vector>

#include "workbench/WorkbookPlan.h"

namespace corvane::workbench {

std::string SampleWorkbookText();
std::vector<WorkbookPlan> SampleWorkbooks();

}  // namespace corvane::workbench
