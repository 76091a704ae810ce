// Checks of the numbers the add-in passes for Office's command bar
// enumerations (published/Office.h), as Office checks them.
#pragma once

#include <cstdint>

#include "published/Office.h"

namespace corvane::sim::office {

// The id every control made by an add-in carries.
inline constexpr int32_t kCustomControlId = 1;

bool IsComboType(int32_t type);
bool IsKnownControlType(int32_t type);
bool IsValidPosition(int32_t position);
// Every bit outside the eight flags is refused, as Office does.
bool IsValidProtection(int32_t protection);
bool IsValidButtonState(int32_t state);

}  // namespace corvane::sim::office
