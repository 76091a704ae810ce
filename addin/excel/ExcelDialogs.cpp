#include "addin/excel/ExcelDialogs.h"

#include "addin/excel/ExcelDialog.h"
#include "published/Excel.h"

namespace corvane::addin::excel {

ExcelDialog ExcelDialogs::Item(int32_t index) const {
  return ExcelDialog(GetObject(Excel::Dialogs::Item, {com::Variant(index)}));
}

}  // namespace corvane::addin::excel
