// The Office half of every started Excel, attached by a start hook that
// registers itself at load: the run's OfficeHost (command bars read from
// $CORVANE_SIM_DATA, the COM add-ins), Application.CommandBars and
// Application.COMAddIns, the add-ins' start-up, and their shutdown and the
// saving of the bars at Quit.
//
// Ownership: the run's ExcelSession owns the host; everything the host
// hands out (COMAddIn objects, their Connect action, the collections)
// reaches the session, the host and the application weakly, so an add-in
// that keeps such an object keeps no run alive, and a run dropped without
// Quit shuts its add-ins down as it goes.
#pragma once

#include <memory>

#include "sim/excel/objects/ExcelStart.h"

namespace corvane::sim::office {

class OfficeHost;

// What the start hook does; a run attached twice is refused (logic_error).
void AttachOffice(excel::ExcelRun& run);

// The Office half of a run; null when none is attached.
std::shared_ptr<OfficeHost> OfficeOf(const excel::ExcelRun& run);

}  // namespace corvane::sim::office
