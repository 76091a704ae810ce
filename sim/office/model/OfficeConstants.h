// Office's command bar enumerations, with Office's values, as the add-in
// passes and reads them.
#pragma once

#include <cstdint>

namespace corvane::sim::office {

// Control types (msoControl...).
enum ControlType : int32_t {
  kControlCustom = 0,
  kControlButton = 1,
  kControlEdit = 2,
  kControlDropdown = 3,
  kControlComboBox = 4,
  kControlPopup = 10,
};

// Bar positions (msoBar...).
enum BarPosition : int32_t {
  kBarLeft = 0,
  kBarTop = 1,
  kBarRight = 2,
  kBarBottom = 3,
  kBarFloating = 4,
  kBarPopup = 5,
  kBarMenuBar = 6,
};

// Bar kinds (msoBarType...).
enum BarType : int32_t {
  kBarTypeNormal = 0,
  kBarTypeMenuBar = 1,
  kBarTypePopup = 2,
};

// Protection flags (msoBar...), combinable.
enum BarProtection : int32_t {
  kBarNoProtection = 0,
  kBarNoCustomize = 1,
  kBarNoResize = 2,
  kBarNoMove = 4,
  kBarNoChangeVisible = 8,
  kBarNoChangeDock = 16,
  kBarNoVerticalDock = 32,
  kBarNoHorizontalDock = 64,
};

// The id every control made by an add-in carries.
inline constexpr int32_t kCustomControlId = 1;

// Button states (msoButtonUp, msoButtonDown, msoButtonMixed).
inline constexpr int32_t kButtonUp = 0;
inline constexpr int32_t kButtonDown = -1;
inline constexpr int32_t kButtonMixed = 2;

bool IsComboType(int32_t type);
bool IsKnownControlType(int32_t type);
bool IsValidPosition(int32_t position);
// Every bit outside the eight flags is refused, as Office does.
bool IsValidProtection(int32_t protection);
bool IsValidButtonState(int32_t state);

}  // namespace corvane::sim::office
