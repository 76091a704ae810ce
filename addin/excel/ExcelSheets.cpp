#include "addin/excel/ExcelSheets.h"

#include "addin/excel/ExcelDispids.h"

namespace corvane::addin::excel {

int32_t ExcelSheets::Count() const { return Get(dispid::kSheetsCount).ToInt32(); }

}  // namespace corvane::addin::excel
