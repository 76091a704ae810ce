#include "sim/office/model/OfficeConstants.h"

#include <algorithm>
#include <array>

namespace corvane::sim::office {

namespace {
constexpr std::array kControlTypes{Office::msoControlCustom,   Office::msoControlButton,   Office::msoControlEdit,
                                   Office::msoControlDropdown, Office::msoControlComboBox, Office::msoControlPopup};
constexpr int32_t kAllProtectionFlags = 127;
}  // namespace

bool IsComboType(int32_t type) {
  return type == Office::msoControlEdit || type == Office::msoControlDropdown || type == Office::msoControlComboBox;
}

bool IsKnownControlType(int32_t type) {
  return std::find(kControlTypes.begin(), kControlTypes.end(), type) != kControlTypes.end();
}

bool IsValidPosition(int32_t position) { return position >= Office::msoBarLeft && position <= Office::msoBarMenuBar; }

bool IsValidProtection(int32_t protection) { return (protection & ~kAllProtectionFlags) == 0; }

bool IsValidButtonState(int32_t state) {
  return state == Office::msoButtonUp || state == Office::msoButtonDown || state == Office::msoButtonMixed;
}

}  // namespace corvane::sim::office
