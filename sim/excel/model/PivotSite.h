// What a sheet knows of a pivot table placed on it. The pivot engine owns the
// layout and implements this; the sheet owns the tables and answers "which
// table is under this cell" for Range.PivotTable and Range.PivotField.
#pragma once

#include <string>

#include "sim/excel/model/CellRect.h"

namespace corvane::sim::excel {

class PivotSite {
 public:
  virtual ~PivotSite() = default;
  virtual std::u16string name() const = 0;
  // The whole table with its page fields (TableRange2): Range.PivotTable
  // answers inside it and fails outside.
  virtual CellRect footprint() const = 0;
};

}  // namespace corvane::sim::excel
