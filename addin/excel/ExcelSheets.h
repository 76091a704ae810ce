// A collection of sheets (a window's selected sheets).
#pragma once

#include <cstdint>

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelSheets : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  int32_t Count() const;
};

}  // namespace corvane::addin::excel
