#include "bench/TableCheckpoint.h"

namespace corvane::bench {

TableCheckpoint::TableCheckpoint(const sim::excel::SheetModel& sheet) {
  for (const auto& site : sheet.pivots()) {
    if (auto table = std::dynamic_pointer_cast<sim::excel::pivot::PivotTableModel>(site))
      kept_.emplace_back(table, table->definition());
  }
}

void TableCheckpoint::Restore() const {
  for (const auto& [table, definition] : kept_) {
    table->Change([&](sim::excel::pivot::PivotDefinition& current) { current = definition; });
  }
}

}  // namespace corvane::bench
