#include "addin/excel/ExcelDialogs.h"

#include "addin/excel/ExcelDialog.h"
#include "addin/excel/ExcelDispids.h"

namespace corvane::addin::excel {

ExcelDialog ExcelDialogs::Item(int32_t index) const {
  return ExcelDialog(GetObject(dispid::kDialogsItem, {com::Variant(index)}));
}

}  // namespace corvane::addin::excel
