// Opens workbooks in a simulated Excel as a user opens files: each one
// with its sheets, its pivot tables laid out, and its start selection made;
// the first one is active at the end.
#pragma once

#include <vector>

#include "sim/excel/model/AppModel.h"
#include "workbench/WorkbookPlan.h"

namespace corvane::workbench {

void OpenWorkbooks(sim::excel::AppModel& app, const std::vector<WorkbookPlan>& workbooks);

}  // namespace corvane::workbench
