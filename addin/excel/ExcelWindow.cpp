#include "addin/excel/ExcelWindow.h"

#include "addin/excel/ExcelDispids.h"
#include "addin/excel/ExcelSheets.h"

namespace corvane::addin::excel {

ExcelSheets ExcelWindow::SelectedSheets() const { return ExcelSheets(GetObject(dispid::kWindowSelectedSheets)); }

}  // namespace corvane::addin::excel
