// The COM faces of the pivot model: PivotTables, PivotTable and PivotField,
// thin wrappers that hold their table weakly and fail once it is gone.
// Installed into the sheet objects' seam when the sim library loads.
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

class PivotTablesObject final : public SimObject<PivotTablesObject> {
 public:
  explicit PivotTablesObject(std::weak_ptr<SheetModel> sheet) : sheet_(std::move(sheet)) {}
  static const ObjectType<PivotTablesObject>& Type();

 private:
  com::Variant Count(Args&);
  com::Variant Item(Args& args);
  std::weak_ptr<SheetModel> sheet_;
};

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
  PivotFieldAccess field_;
};

}  // namespace corvane::sim::excel::pivot
