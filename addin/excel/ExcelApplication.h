// Excel's application as another object hands it out (Range.Application),
// for the members the event handlers read from it.
#pragma once

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelWindow;

class ExcelApplication : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  ExcelWindow ActiveWindow() const;
};

}  // namespace corvane::addin::excel
