// The four number format commands: Excel's format dialog, one decimal more,
// one decimal less and the Currency style. The new format always goes to the
// data field as a whole, then the table is updated and the selection from
// before the click comes back.
#pragma once

#include "addin/PivotLocator.h"

namespace corvane::addin {

// Runs the format command of the tag; false when the tag names none. A field
// that is not a data field, or no field at all, is told to the user; other
// host failures go to the caller.
bool SetNumberFormat(const ClickContext& context, int tag);

}  // namespace corvane::addin
