// An Excel pivot field: name, cells, number format and subtotal switches.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

class ExcelRange;

// Excel's twelve subtotal switches; [0] is index 1, the automatic one.
inline constexpr size_t kSubtotalCount = 12;
using SubtotalSwitches = std::array<bool, kSubtotalCount>;

class ExcelPivotField : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  std::u16string Name() const;
  ExcelRange DataRange() const;
  // Fails unless the field is a data field.
  // Format codes in en-US notation (asked with com::kLocaleEnUs).
  std::u16string NumberFormat() const;
  void SetNumberFormat(std::u16string_view format) const;
  // All twelve at once (the index omitted). A host answer that is not an
  // array of twelve fails with DISP_E_TYPEMISMATCH.
  SubtotalSwitches Subtotals() const;
  // Fails when the field offers no subtotals.
  std::u16string SubtotalName() const;
};

}  // namespace corvane::addin::excel
