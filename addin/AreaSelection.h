// The ten commands that select one area of the located table, and the Ctrl
// rule that adds the new area to the selection from before the click.
#pragma once

#include "addin/PivotLocator.h"

namespace corvane::addin {

// Runs the area command of the tag; false when the tag names none. Host
// failures (a table without that area, nothing matching) go to the caller.
bool SelectArea(const ClickContext& context, int tag);

// With Ctrl down, selects the union of the prior selection and the current
// one.
void ApplyCtrlRule(const ClickContext& context);

}  // namespace corvane::addin
