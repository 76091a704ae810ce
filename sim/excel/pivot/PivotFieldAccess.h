// A field of a placed table as Excel's PivotField object sees it: reached by
// name (names survive a new layout, places do not), failing with Excel's
// errors where the field has no such property. The COM wrapper is a thin
// layer over this.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "sim/excel/model/Areas.h"
#include "sim/excel/pivot/PivotTableModel.h"

namespace corvane::sim::excel::pivot {

class PivotFieldAccess {
 public:
  PivotFieldAccess(std::weak_ptr<PivotTableModel> table, std::u16string name);

  // The field under a cell of the table (Range.PivotField); nothing where none.
  static std::optional<PivotFieldAccess> Under(const std::shared_ptr<PivotTableModel>& table, CellRef cell);

  std::u16string Name() const;
  Areas DataRange() const;
  // Data fields only.
  std::u16string NumberFormat() const;
  void SetNumberFormat(const std::u16string& format) const;
  // Row, column and page fields only; index 1..12 for one switch. Switching
  // the automatic subtotal on turns the others off, and any other on turns
  // the automatic one off, as Excel does.
  SubtotalSwitches Subtotals() const;
  bool Subtotal(int index) const;
  void SetSubtotals(SubtotalSwitches switches) const;
  void SetSubtotal(int index, bool on) const;
  std::u16string SubtotalName() const;
  const std::weak_ptr<PivotTableModel>& table() const { return table_; }

 private:
  std::shared_ptr<PivotTableModel> Table() const;
  FieldRef Resolve(const PivotTableModel& table) const;
  // The source field behind a row, column or page field; HostError otherwise.
  std::u16string SourceField(const char16_t* verb, const char16_t* property) const;

  std::weak_ptr<PivotTableModel> table_;
  std::u16string name_;
};

// The table whose TableRange2 holds the cell (Range.PivotTable); null where none.
std::shared_ptr<PivotTableModel> PivotTableUnder(const SheetModel& sheet, CellRef cell);

}  // namespace corvane::sim::excel::pivot
