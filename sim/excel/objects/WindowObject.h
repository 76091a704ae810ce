// Excel's Window: the active cell, selection, active sheet and the sheets
// selected together.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/WindowModel.h"

namespace corvane::sim::excel {

class WindowObject final : public SimObject<WindowObject> {
 public:
  explicit WindowObject(std::weak_ptr<WindowModel> window) : window_(std::move(window)) {}
  static const ObjectType<WindowObject>& Type();

 private:
  com::Variant GetActiveCell(Args& args);
  com::Variant GetSelection(Args& args);
  com::Variant GetActiveSheet(Args& args);
  com::Variant GetSelectedSheets(Args& args);
  com::Variant GetCaption(Args& args);
  com::Variant Activate(Args& args);

  std::weak_ptr<WindowModel> window_;
};

}  // namespace corvane::sim::excel
