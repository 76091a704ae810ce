// One of Excel's built-in dialogs.
#pragma once

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelDialog : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  // Shows the dialog modally with every argument omitted; true for OK.
  bool Show() const;
};

}  // namespace corvane::addin::excel
