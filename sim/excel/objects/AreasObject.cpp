#include "sim/excel/objects/AreasObject.h"

#include "published/Excel.h"
#include "sim/core/Enumeration.h"
#include "sim/excel/objects/ExcelErrors.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {

const ObjectType<AreasObject>& AreasObject::Type() {
  static const ObjectType<AreasObject> type{
      u"Areas",
      {Excel::Areas::iid},
      {Get(Excel::Areas::Count, u"Count", &AreasObject::GetCount),
       Get(Excel::Areas::Item, u"Item", &AreasObject::GetItem).Takes(1),
       Get(Excel::Areas::Default, u"_Default", &AreasObject::GetItem).Takes(1), NewEnum(&AreasObject::Enumerate)}};
  return type;
}

com::ComPtr<IDispatch> NewAreasObject(const std::shared_ptr<SheetModel>& sheet, const Areas& areas) {
  return AsDispatch(com::Make<AreasObject>(sheet, areas));
}

com::Variant AreasObject::GetCount(Args&) {
  Alive(sheet_);
  return static_cast<int32_t>(areas_.rects().size());
}

// An area keeps the range's shape: an area of Rows counts its rows.
com::Variant AreasObject::AreaAt(int32_t index) {
  const auto& rects = areas_.rects();
  if (index < 1 || static_cast<size_t>(index) > rects.size()) throw CannotGet(u"Item", u"Areas");
  return NewRangeObject(Alive(sheet_), Areas(rects[index - 1], areas_.shape()));
}

// Item(Index): a position from 1.
com::Variant AreasObject::GetItem(Args& args) { return AreaAt(args[0].Int()); }

com::Variant AreasObject::Enumerate(Args&) {
  Alive(sheet_);
  return EnumerateItems(static_cast<int32_t>(areas_.rects().size()), [this](int32_t i) { return AreaAt(i); });
}

}  // namespace corvane::sim::excel
