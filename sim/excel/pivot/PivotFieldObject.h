// PivotField: name, data range, number format and subtotals.
// A thin wrapper that holds its model weakly and fails once it is gone.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/pivot/PivotFieldAccess.h"

namespace corvane::sim::excel::pivot {

class PivotFieldObject final : public SimObject<PivotFieldObject> {
 public:
  explicit PivotFieldObject(PivotFieldAccess field) : field_(std::move(field)) {}
  static const ObjectType<PivotFieldObject>& Type();

 private:
  com::Variant GetName(Args&);
  com::Variant DataRange(Args&);
  com::Variant GetNumberFormat(Args&);
  void PutNumberFormat(Args& args);
  com::Variant GetSubtotals(Args& args);
  void PutSubtotals(Args& args);
  com::Variant SubtotalName(Args&);
  std::shared_ptr<AppModel> App() const;
  PivotFieldAccess field_;
};

}  // namespace corvane::sim::excel::pivot
