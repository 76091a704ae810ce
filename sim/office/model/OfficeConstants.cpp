#include "sim/office/model/OfficeConstants.h"

#include <algorithm>
#include <array>

namespace corvane::sim::office {

namespace {
constexpr std::array kControlTypes{kControlCustom,   kControlButton,   kControlEdit,
                                   kControlDropdown, kControlComboBox, kControlPopup};
constexpr int32_t kAllProtectionFlags = 127;
}  // namespace

bool IsComboType(int32_t type) { return type == kControlEdit || type == kControlDropdown || type == kControlComboBox; }

bool IsKnownControlType(int32_t type) {
  return std::find(kControlTypes.begin(), kControlTypes.end(), type) != kControlTypes.end();
}

bool IsValidPosition(int32_t position) { return position >= kBarLeft && position <= kBarMenuBar; }

bool IsValidProtection(int32_t protection) { return (protection & ~kAllProtectionFlags) == 0; }

bool IsValidButtonState(int32_t state) { return state == kButtonUp || state == kButtonDown || state == kButtonMixed; }

}  // namespace corvane::sim::office
