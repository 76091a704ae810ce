#include "addin/excel/ExcelDialog.h"

#include <vector>

#include "addin/excel/ExcelDispids.h"

namespace corvane::addin::excel {

bool ExcelDialog::Show() const {
  const std::vector<com::Variant> omitted(dispid::kDialogShowArguments, com::Variant::Omitted());
  const com::Variant result = Call(dispid::kDialogShow, omitted);
  return !result.empty() && result.ToBool();
}

}  // namespace corvane::addin::excel
