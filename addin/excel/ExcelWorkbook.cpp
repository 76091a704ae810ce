#include "addin/excel/ExcelWorkbook.h"

#include "published/Excel.h"

namespace corvane::addin::excel {

com::ComPtr<IDispatch> ExcelWorkbook::ActiveSheet() const { return GetObject(Excel::Workbook::ActiveSheet); }

}  // namespace corvane::addin::excel
