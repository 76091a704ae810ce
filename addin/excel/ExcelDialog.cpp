#include "addin/excel/ExcelDialog.h"

#include <vector>

#include "published/Excel.h"

namespace corvane::addin::excel {

bool ExcelDialog::Show() const {
  const std::vector<com::Variant> omitted(Excel::Dialog::ShowArgumentCount, com::Variant::Omitted());
  const com::Variant result = Call(Excel::Dialog::Show, omitted);
  return !result.empty() && result.ToBool();
}

}  // namespace corvane::addin::excel
