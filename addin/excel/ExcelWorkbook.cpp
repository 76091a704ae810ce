#include "addin/excel/ExcelWorkbook.h"

#include "addin/excel/ExcelDispids.h"

namespace corvane::addin::excel {

com::ComPtr<IDispatch> ExcelWorkbook::ActiveSheet() const { return GetObject(dispid::kWorkbookActiveSheet); }

}  // namespace corvane::addin::excel
