// PivotTables of a sheet: Count and Item by name or index.
// A thin wrapper that holds its model weakly and fails once it is gone.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/pivot/PivotFieldAccess.h"

namespace corvane::sim::excel::pivot {

class PivotTablesObject final : public SimObject<PivotTablesObject> {
 public:
  explicit PivotTablesObject(std::weak_ptr<SheetModel> sheet) : sheet_(std::move(sheet)) {}
  static const ObjectType<PivotTablesObject>& Type();

 private:
  com::Variant Count(Args&);
  com::Variant Item(Args& args);
  com::Variant Enumerate(Args& args);
  std::weak_ptr<SheetModel> sheet_;
};

}  // namespace corvane::sim::excel::pivot
