// The table-wide commands of the click dispatcher: fit the columns or rows
// of the table with its page fields, update it, and clear the formats of
// the table without its page fields after asking.
#pragma once

#include "addin/PivotLocator.h"

namespace corvane::addin {

// Runs the table command of the tag; false when the tag names none.
bool RunTableCommand(const ClickContext& context, int tag);

}  // namespace corvane::addin
