#include "addin/excel/ExcelApplication.h"

#include "addin/excel/ExcelWindow.h"
#include "published/Excel.h"

namespace corvane::addin::excel {

ExcelWindow ExcelApplication::ActiveWindow() const { return ExcelWindow(GetObject(Excel::Application::ActiveWindow)); }

}  // namespace corvane::addin::excel
