#include "addin/excel/ExcelPivotField.h"

#include "addin/excel/ExcelRange.h"
#include "platform/com/ComError.h"
#include "published/Excel.h"

namespace corvane::addin::excel {
namespace {

[[noreturn]] void NotTwelveSwitches() {
  throw com::ComError(DISP_E_TYPEMISMATCH, u"The field's subtotals are not an array of twelve switches.");
}

// Excel's array may start at any lower bound; its first element is index 1.
SubtotalSwitches ReadSwitches(const com::Variant& array) {
  const VARIANT& v = *array.get();
  if ((v.vt & VT_ARRAY) == 0 || !v.parray || SafeArrayGetDim(v.parray) != 1) NotTwelveSwitches();
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(v.parray, 1, &lower);
  SafeArrayGetUBound(v.parray, 1, &upper);
  if (upper - lower + 1 != static_cast<LONG>(kSubtotalCount)) NotTwelveSwitches();
  SubtotalSwitches switches{};
  for (size_t i = 0; i < kSubtotalCount; ++i) {
    LONG index = lower + static_cast<LONG>(i);
    com::Variant item;
    if ((v.vt & VT_TYPEMASK) == VT_VARIANT) {
      if (FAILED(SafeArrayGetElement(v.parray, &index, item.put()))) NotTwelveSwitches();
    } else if ((v.vt & VT_TYPEMASK) == VT_BOOL) {
      VARIANT_BOOL flag = VARIANT_FALSE;
      if (FAILED(SafeArrayGetElement(v.parray, &index, &flag))) NotTwelveSwitches();
      item = com::Variant(flag != VARIANT_FALSE);
    } else {
      NotTwelveSwitches();
    }
    switches[i] = item.ToBool();
  }
  return switches;
}

}  // namespace

std::u16string ExcelPivotField::Name() const { return Get(Excel::PivotField::Name).ToText(); }
ExcelRange ExcelPivotField::DataRange() const { return ExcelRange(GetObject(Excel::PivotField::DataRange)); }
std::u16string ExcelPivotField::NumberFormat() const {
  return Get(Excel::PivotField::NumberFormat, {}, com::kLocaleEnUs).ToText();
}
void ExcelPivotField::SetNumberFormat(std::u16string_view format) const {
  Put(Excel::PivotField::NumberFormat, com::Variant(format), com::kLocaleEnUs);
}
SubtotalSwitches ExcelPivotField::Subtotals() const { return ReadSwitches(Get(Excel::PivotField::Subtotals)); }
std::u16string ExcelPivotField::SubtotalName() const { return Get(Excel::PivotField::SubtotalName).ToText(); }

}  // namespace corvane::addin::excel
