// The seam to the pivot package's COM objects: it installs makers for its
// PivotTable, PivotTables and PivotField wrappers, which Range and Worksheet
// hand out. Tests may replace them.
#pragma once

#include <functional>
#include <memory>

#include "platform/com/ComPtr.h"
#include "platform/com/com.h"
#include "sim/excel/model/SheetModel.h"

namespace corvane::sim::excel {

struct PivotObjectMakers {
  std::function<com::ComPtr<IDispatch>(const std::shared_ptr<SheetModel>&, const std::shared_ptr<PivotSite>&)> table;
  // Worksheet.PivotTables() without an index.
  std::function<com::ComPtr<IDispatch>(const std::shared_ptr<SheetModel>&)> tables;
  // The field under a cell of the table; null when there is none.
  std::function<com::ComPtr<IDispatch>(const std::shared_ptr<SheetModel>&, const std::shared_ptr<PivotSite>&, CellRef)>
      field_at;
};

void SetPivotObjectMakers(PivotObjectMakers makers);
// The makers in use: the pivot package's unless replaced.
const PivotObjectMakers& GetPivotObjectMakers();

namespace pivot {
// Defined by the pivot package (sim/excel/pivot/PivotObjectsInstall.cpp).
PivotObjectMakers DefaultPivotObjectMakers();
}  // namespace pivot

}  // namespace corvane::sim::excel
