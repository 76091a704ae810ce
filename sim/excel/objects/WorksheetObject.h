// Excel's Worksheet over a worksheet of the model.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/SheetModel.h"

namespace corvane::sim::excel {

class WorksheetObject final : public SimObject<WorksheetObject> {
 public:
  explicit WorksheetObject(std::weak_ptr<SheetModel> sheet) : sheet_(std::move(sheet)) {}
  static const ObjectType<WorksheetObject>& Type();

 private:
  com::Variant GetName(Args& args);
  com::Variant GetPivotTables(Args& args);
  com::Variant GetRange(Args& args);
  com::Variant GetCells(Args& args);
  com::Variant Activate(Args& args);
  com::Variant GetIndex(Args& args);
  com::Variant GetParent(Args& args);
  com::Variant GetApplication(Args& args);

  Areas AreasOf(const Arg& cell);

  std::weak_ptr<SheetModel> sheet_;
};

}  // namespace corvane::sim::excel
