#include "sim/excel/pivot/PivotTablesObject.h"

#include "published/Excel.h"
#include "sim/core/Enumeration.h"
#include "sim/excel/objects/ExcelErrors.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/pivot/PivotTableObject.h"

namespace corvane::sim::excel::pivot {
namespace {

constexpr char16_t kClass[] = u"PivotTables";

}  // namespace

const ObjectType<PivotTablesObject>& PivotTablesObject::Type() {
  using T = PivotTablesObject;
  static const ObjectType<T> type{
      kClass,
      {Excel::PivotTables::iid},
      {Get(Excel::PivotTables::Count, u"Count", &T::Count),
       Method(Excel::PivotTables::Item, u"Item", &T::Item).Takes(1), NewEnum(&T::Enumerate)}};
  return type;
}

com::Variant PivotTablesObject::Count(Args&) { return static_cast<int32_t>(Alive(sheet_)->pivots().size()); }

// Item(Index): by name, or by position from 1 in the order of placing.
com::Variant PivotTablesObject::Item(Args& args) {
  auto sheet = Alive(sheet_);
  std::shared_ptr<PivotSite> site;
  VARTYPE type = args[0].type();
  if (type == VT_BSTR) {
    site = sheet->PivotNamed(args[0].Text());
  } else if (args[0].present()) {
    int32_t index = args[0].Int();
    if (index >= 1 && index <= static_cast<int32_t>(sheet->pivots().size())) site = sheet->pivots()[index - 1];
  }
  auto table = std::dynamic_pointer_cast<PivotTableModel>(site);
  if (!table) throw MethodFailed(u"Item", kClass);
  return AsDispatch(com::Make<PivotTableObject>(table));
}

com::Variant PivotTablesObject::Enumerate(Args&) {
  std::vector<com::Variant> items;
  for (const auto& site : Alive(sheet_)->pivots()) {
    if (auto table = std::dynamic_pointer_cast<PivotTableModel>(site)) {
      items.emplace_back(AsDispatch(com::Make<PivotTableObject>(table)));
    }
  }
  return EnumerateVariants(std::move(items));
}

}  // namespace corvane::sim::excel::pivot
