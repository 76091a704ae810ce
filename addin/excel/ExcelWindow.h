// An Excel window: which sheets are selected (grouped) in it.
#pragma once

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelSheets;

class ExcelWindow : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  ExcelSheets SelectedSheets() const;
};

}  // namespace corvane::addin::excel
