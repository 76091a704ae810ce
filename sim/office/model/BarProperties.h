// The plain properties of a command bar, with Office's defaults for a new
// floating toolbar.
#pragma once

#include <cstdint>
#include <string>

#include "sim/office/model/FieldTable.h"
#include "sim/office/model/OfficeConstants.h"

namespace corvane::sim::office {

struct BarProperties {
  std::u16string name;
  std::u16string nameLocal;
  bool enabled = true;
  bool visible = false;
  int32_t left = 200;
  int32_t top = 200;
  int32_t rowIndex = 0;
  int32_t position = Office::msoBarFloating;
  int32_t protection = Office::msoBarNoProtection;
};

FieldTable<BarProperties> BarFields();

}  // namespace corvane::sim::office
