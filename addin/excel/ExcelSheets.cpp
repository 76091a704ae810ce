#include "addin/excel/ExcelSheets.h"

#include "published/Excel.h"

namespace corvane::addin::excel {

int32_t ExcelSheets::Count() const { return Get(Excel::Sheets::Count).ToInt32(); }

}  // namespace corvane::addin::excel
