#include "addin/excel/ExcelWindow.h"

#include "addin/excel/ExcelSheets.h"
#include "published/Excel.h"

namespace corvane::addin::excel {

ExcelSheets ExcelWindow::SelectedSheets() const { return ExcelSheets(GetObject(Excel::Window::SelectedSheets)); }

}  // namespace corvane::addin::excel
