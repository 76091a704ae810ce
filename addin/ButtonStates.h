// The buttons' enabled flags and the grand-total switches' pressed states,
// derived from Excel's active cell every time: enabled only where their
// command can work.
#pragma once

#include "framework/commandbars/TkvxCommandBarControls.h"
#include "framework/events/TExcelApplication.h"

namespace corvane::addin {

// Every control in collection order.
void SetAllEnabled(framework::TkvxCommandBarControls& controls, bool enabled);

// Before a workbook closes: everything off but the last control (About).
void DisableAllButLast(framework::TkvxCommandBarControls& controls);

// sheet is only tested for being a worksheet; the rest is read from the
// active cell. About ends enabled on every way out; a failure reading the
// grand totals goes on to the caller after that.
void UpdateButtons(framework::TkvxCommandBarControls& controls, const framework::TExcelApplication& app,
                   IDispatch* sheet);

}  // namespace corvane::addin
