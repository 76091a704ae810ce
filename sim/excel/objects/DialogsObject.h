// Excel's Dialogs: Item(n) hands out Dialog n (see DialogObject).
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/AppModel.h"

namespace corvane::sim::excel {

class DialogsObject final : public SimObject<DialogsObject> {
 public:
  explicit DialogsObject(std::weak_ptr<AppModel> app) : app_(std::move(app)) {}
  static const ObjectType<DialogsObject>& Type();

 private:
  com::Variant GetItem(Args& args);
  std::weak_ptr<AppModel> app_;
};

}  // namespace corvane::sim::excel
