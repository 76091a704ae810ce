// Excel's Areas of a range: each rectangle of a multi-area range as a Range
// of its own, in the range's order.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/SheetModel.h"

namespace corvane::sim::excel {

class AreasObject final : public SimObject<AreasObject> {
 public:
  AreasObject(std::weak_ptr<SheetModel> sheet, Areas areas) : sheet_(std::move(sheet)), areas_(std::move(areas)) {}
  static const ObjectType<AreasObject>& Type();

 private:
  com::Variant GetCount(Args& args);
  com::Variant GetItem(Args& args);
  com::Variant Enumerate(Args& args);
  com::Variant AreaAt(int32_t index);

  std::weak_ptr<SheetModel> sheet_;
  Areas areas_;
};

}  // namespace corvane::sim::excel
