#include "addin/excel/ExcelApplication.h"

#include "addin/excel/ExcelDispids.h"
#include "addin/excel/ExcelWindow.h"

namespace corvane::addin::excel {

ExcelWindow ExcelApplication::ActiveWindow() const { return ExcelWindow(GetObject(dispid::kApplicationActiveWindow)); }

}  // namespace corvane::addin::excel
