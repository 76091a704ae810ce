// Excel's built-in dialogs, by number.
#pragma once

#include <cstdint>

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelDialog;

class ExcelDialogs : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  ExcelDialog Item(int32_t index) const;
};

}  // namespace corvane::addin::excel
