// An Excel workbook, as the window events hand it over.
#pragma once

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelWorkbook : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  com::ComPtr<IDispatch> ActiveSheet() const;
};

}  // namespace corvane::addin::excel
