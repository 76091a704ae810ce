// The regional settings the workbench can switch to ("locale de-DE"): the
// notation of numbers Excel shows and the decimal separator the add-in
// reads from the machine.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/excel/model/NumberNotation.h"

namespace corvane::workbench {

std::optional<sim::excel::NumberNotation> NotationOf(const std::string& locale);
std::vector<std::string> KnownLocales();

// The machine's decimal separator as the add-in reads it; false where the
// workbench cannot set it (Windows: the system's own settings apply).
bool SetMachineDecimalSeparator(char16_t separator);

}  // namespace corvane::workbench
