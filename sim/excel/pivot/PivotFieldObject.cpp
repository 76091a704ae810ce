#include "sim/excel/pivot/PivotFieldObject.h"

#include "published/Excel.h"
#include "sim/excel/objects/ExcelErrors.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/objects/FormatLocale.h"

namespace corvane::sim::excel::pivot {
namespace {

constexpr char16_t kClass[] = u"PivotField";

// The twelve switches as Excel hands them out: a one-based array of
// booleans in variants.
com::Variant SwitchArray(const SubtotalSwitches& switches) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 1, kSubtotalSwitches);
  if (!array) throw InvokeError(E_OUTOFMEMORY);
  VARIANT owned;
  VariantInit(&owned);
  owned.vt = VT_ARRAY | VT_VARIANT;
  owned.parray = array;
  com::Variant result = com::Variant::Adopt(owned);
  for (LONG i = 0; i < static_cast<LONG>(kSubtotalSwitches); ++i) {
    com::Variant flag(static_cast<bool>(switches[i]));
    LONG index = i + 1;
    SafeArrayPutElement(array, &index, flag.get());
  }
  return result;
}

SubtotalSwitches SwitchesOf(const com::Variant& value) {
  const VARIANT* v = value.get();
  if (v->vt != (VT_ARRAY | VT_VARIANT) || !v->parray || SafeArrayGetDim(v->parray) != 1) {
    throw CannotSet(u"Subtotals", kClass);
  }
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(v->parray, 1, &lower);
  SafeArrayGetUBound(v->parray, 1, &upper);
  if (upper - lower + 1 != static_cast<LONG>(kSubtotalSwitches)) throw CannotSet(u"Subtotals", kClass);
  SubtotalSwitches switches{};
  for (LONG i = 0; i < static_cast<LONG>(kSubtotalSwitches); ++i) {
    com::Variant item;
    LONG index = lower + i;
    SafeArrayGetElement(v->parray, &index, item.put());
    switches[i] = Arg(item.get(), 0).Bool();
  }
  return switches;
}

}  // namespace

const ObjectType<PivotFieldObject>& PivotFieldObject::Type() {
  using T = PivotFieldObject;
  static const ObjectType<T> type{
      kClass,
      {Excel::PivotField::iid},
      {Get(Excel::PivotField::Name, u"Name", &T::GetName),
       Get(Excel::PivotField::DataRange, u"DataRange", &T::DataRange),
       Property(Excel::PivotField::NumberFormat, u"NumberFormat", &T::GetNumberFormat, &T::PutNumberFormat),
       Property(Excel::PivotField::Subtotals, u"Subtotals", &T::GetSubtotals, &T::PutSubtotals).Takes(1),
       Get(Excel::PivotField::SubtotalName, u"SubtotalName", &T::SubtotalName)}};
  return type;
}

com::Variant PivotFieldObject::GetName(Args&) { return field_.Name(); }

com::Variant PivotFieldObject::DataRange(Args&) {
  Areas areas = field_.DataRange();
  return NewRangeObject(Alive(field_.table())->sheet(), areas);
}

// In the notation of the caller's locale; the definition keeps en-US codes.
com::Variant PivotFieldObject::GetNumberFormat(Args& args) {
  return CodeForCaller(field_.NumberFormat(), args.locale(), App());
}
void PivotFieldObject::PutNumberFormat(Args& args) {
  field_.SetNumberFormat(CodeFromCaller(args.value().Text(), args.locale(), App()));
}

std::shared_ptr<AppModel> PivotFieldObject::App() const { return AppOf(Alive(field_.table())->sheet()); }

// Subtotals([Index]): all twelve switches, or the one at Index (1..12).
com::Variant PivotFieldObject::GetSubtotals(Args& args) {
  if (args[0].omitted()) return SwitchArray(field_.Subtotals());
  return field_.Subtotal(args[0].Int());
}

void PivotFieldObject::PutSubtotals(Args& args) {
  if (args[0].omitted()) return field_.SetSubtotals(SwitchesOf(args.value().Copy()));
  field_.SetSubtotal(args[0].Int(), args.value().Bool());
}

com::Variant PivotFieldObject::SubtotalName(Args&) { return field_.SubtotalName(); }

}  // namespace corvane::sim::excel::pivot
