// A chart sheet: a sheet without cells, which does not answer the worksheet
// interface (so the add-in tells the two apart by asking for it).
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/SheetModel.h"

namespace corvane::sim::excel {

class ChartSheetObject final : public SimObject<ChartSheetObject> {
 public:
  explicit ChartSheetObject(std::weak_ptr<SheetModel> sheet) : sheet_(std::move(sheet)) {}
  static const ObjectType<ChartSheetObject>& Type();

 private:
  com::Variant GetName(Args& args);
  com::Variant Activate(Args& args);
  com::Variant GetIndex(Args& args);
  com::Variant GetParent(Args& args);
  com::Variant GetApplication(Args& args);

  std::weak_ptr<SheetModel> sheet_;
};

}  // namespace corvane::sim::excel
