// Excel's Workbooks: the open workbooks, Count, Item, Add.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/AppModel.h"

namespace corvane::sim::excel {

class WorkbooksObject final : public SimObject<WorkbooksObject> {
 public:
  explicit WorkbooksObject(std::weak_ptr<AppModel> app) : app_(std::move(app)) {}
  static const ObjectType<WorkbooksObject>& Type();

 private:
  com::Variant GetCount(Args& args);
  com::Variant GetItem(Args& args);
  com::Variant Enumerate(Args& args);
  com::Variant Add(Args& args);

  std::weak_ptr<AppModel> app_;
};

}  // namespace corvane::sim::excel
