// The subtotal commands on the row or column field under the active cell:
// select all its subtotal cells, or step to its next active subtotal
// function (wrapping from the last to the first).
#pragma once

#include <string>
#include <string_view>

#include "addin/PivotLocator.h"
#include "addin/excel/ExcelPivotField.h"

namespace corvane::addin {

// The names of the field's switched-on subtotal functions, ";" between
// them, in switch order; empty when none is on or the switches cannot be
// read.
std::u16string ActiveSubtotalList(const excel::ExcelPivotField& field);

// "<field>[All;<function>]", and the text that names every subtotal.
std::u16string SubtotalSelectionText(std::u16string_view fieldName, std::u16string_view function);
std::u16string AllSubtotalsSelectionText(std::u16string_view fieldName);

// "Subtotals*": any failure, the Ctrl rule's included, is told to the user
// as the no-subtotal message.
void SelectSubtotals(const ClickContext& context);

// "Next subtotals*": screen updating is off while the functions are tried
// and on again on every way out; failures other than an empty list go to
// the caller.
void SelectNextSubtotal(const ClickContext& context);

}  // namespace corvane::addin
