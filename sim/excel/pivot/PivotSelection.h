// What a PivotSelect text names in a laid-out table: "" with the origin and
// blanks modes, the two grand totals, and "Field[All;Fn;...]" for the
// subtotals of a row or column field by function.
#pragma once

#include <string_view>
#include <vector>

#include "published/Excel.h"
#include "sim/excel/pivot/PivotLayout.h"

namespace corvane::sim::excel::pivot {

// Excel's XlPTSelectionMode values the sim understands.
enum class SelectMode {
  DataAndLabel = Excel::xlDataAndLabel,
  LabelOnly = Excel::xlLabelOnly,
  DataOnly = Excel::xlDataOnly,
  Origin = Excel::xlOrigin,
  Blanks = Excel::xlBlanks,
};

// The cells named, in sheet order; empty when nothing matches (an unknown
// field or function, a hidden total, a function that is not switched on, a
// mode the sim does not know).
std::vector<CellRect> ResolvePivotSelect(const PivotLayout& layout, std::u16string_view text, int mode);

}  // namespace corvane::sim::excel::pivot
