// The fewest host calls the button-state rules allow for one selection
// change: the reads their steps need, given where the active cell is, plus
// one write per state that must change. The facts about the cell are asked
// of the simulated Excel by the bench itself, before the counted move.
#pragma once

#include <cstdint>

#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

namespace corvane::bench {

struct CellFacts {
  bool inTable = false;  // the cell's PivotTable can be read
  bool onField = false;  // and its PivotField too
};

// The active cell of `application` as the state rules will find it.
CellFacts ProbeActiveCell(const com::ComPtr<IDispatch>& application);

// Excel reads: the grouped-sheets test (Application, ActiveWindow,
// SelectedSheets, Count), the selection's Worksheet, the active cell and its
// PivotTable; in a table also ColumnGrand, RowGrand and the PivotField, and
// on a field its NumberFormat.
uint64_t ExcelReadsNeeded(const CellFacts& cell);

// Control reads: every control's Enabled, and in a table the two switches'
// State as well.
uint64_t ControlReadsNeeded(const CellFacts& cell, uint64_t controls);

}  // namespace corvane::bench
