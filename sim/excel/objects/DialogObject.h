// Excel's Dialog: only the number format dialog (42) is simulated; Show on
// it runs the scripted answer of the application model.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/AppModel.h"

namespace corvane::sim::excel {

class DialogObject final : public SimObject<DialogObject> {
 public:
  DialogObject(std::weak_ptr<AppModel> app, int32_t index) : app_(std::move(app)), index_(index) {}
  static const ObjectType<DialogObject>& Type();

 private:
  com::Variant Show(Args& args);
  std::weak_ptr<AppModel> app_;
  int32_t index_;
};

}  // namespace corvane::sim::excel
