// The commands behind kvxCBarControls0Click, by button tag, on the pivot
// table under the active cell. Tags that name no command here (the switches,
// About, unknown ones) do nothing once the table is located.
#pragma once

#include "framework/events/TExcelApplication.h"

namespace corvane::addin {

// Locates the click's table and runs the tag's command. Errors the command
// does not handle itself (no table under the active cell, for one) go to
// the caller.
void RunPivotCommand(framework::TExcelApplication& app, int tag);

}  // namespace corvane::addin
