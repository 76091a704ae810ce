// The definitions of a sheet's pivot tables, kept to be put back: a command
// repeated thousands of times (one more decimal place each) would otherwise
// time a table unlike the one a person clicks on.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "sim/excel/model/SheetModel.h"
#include "sim/excel/pivot/PivotTableModel.h"

namespace corvane::bench {

class TableCheckpoint {
 public:
  explicit TableCheckpoint(const sim::excel::SheetModel& sheet);
  // Every table as it was when kept, laid out again.
  void Restore() const;

 private:
  using Table = std::shared_ptr<sim::excel::pivot::PivotTableModel>;
  std::vector<std::pair<Table, sim::excel::pivot::PivotDefinition>> kept_;
};

}  // namespace corvane::bench
