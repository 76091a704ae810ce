// PivotTable: its areas, grand totals, Update, PivotSelect and fields.
// A thin wrapper that holds its model weakly and fails once it is gone.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/pivot/PivotFieldAccess.h"

namespace corvane::sim::excel::pivot {

class PivotTableObject final : public SimObject<PivotTableObject> {
 public:
  explicit PivotTableObject(std::weak_ptr<PivotTableModel> table) : table_(std::move(table)) {}
  static const ObjectType<PivotTableObject>& Type();

 private:
  com::Variant GetName(Args&);
  com::Variant TableRange1(Args&);
  com::Variant TableRange2(Args&);
  com::Variant DataBodyRange(Args&);
  com::Variant RowRange(Args&);
  com::Variant ColumnRange(Args&);
  com::Variant PageRange(Args&);
  com::Variant DataLabelRange(Args&);
  com::Variant GetRowGrand(Args&);
  void PutRowGrand(Args& args);
  com::Variant GetColumnGrand(Args&);
  void PutColumnGrand(Args& args);
  com::Variant Update(Args&);
  com::Variant PivotSelect(Args& args);
  com::Variant PivotFields(Args& args);
  com::Variant Area(const std::optional<CellRect>& rect, std::u16string_view property);
  void Grand(bool PivotDefinition::*which, bool on, std::u16string_view property);

  std::weak_ptr<PivotTableModel> table_;
};

}  // namespace corvane::sim::excel::pivot
