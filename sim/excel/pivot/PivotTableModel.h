// A pivot table placed on a sheet: its source and definition, its current
// layout, and the cells it has written there. Every change lays the table out
// again and rewrites its cells, as Excel refreshes a table at once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/excel/model/PivotSite.h"
#include "sim/excel/model/SheetModel.h"
#include "sim/excel/pivot/PivotLayout.h"

namespace corvane::sim::excel::pivot {

class PivotTableModel : public PivotSite {
 public:
  // Lays the table out, writes it into the sheet and adds it to the sheet's
  // tables; std::invalid_argument for a definition that cannot be laid out
  // (the sheet is left untouched then).
  static std::shared_ptr<PivotTableModel> Place(const std::shared_ptr<SheetModel>& sheet, PivotSource source,
                                                PivotDefinition definition);

  std::u16string name() const override { return definition_.name; }
  CellRect footprint() const override { return layout_.table_range2(); }

  const PivotDefinition& definition() const { return definition_; }
  const PivotSource& source() const { return source_; }
  const PivotLayout& layout() const { return layout_; }
  std::shared_ptr<SheetModel> sheet() const { return sheet_.lock(); }
  // How many times the table was laid out (Update and every change count).
  int layouts() const { return layouts_; }

  // A change to the definition, applied and laid out; on a layout failure
  // the table keeps its previous state and the error propagates.
  template <class Edit>
  void Change(Edit edit) {
    PivotDefinition next = definition_;
    edit(next);
    Relayout(source_, std::move(next));
  }
  void ReplaceSource(PivotSource source) { Relayout(std::move(source), definition_); }
  void Update() { Relayout(source_, definition_); }

  // PivotSelect: the cells named, empty when nothing matches.
  std::vector<CellRect> Select(std::u16string_view text, int mode) const;

 private:
  PivotTableModel(std::weak_ptr<SheetModel> sheet, PivotSource source, PivotDefinition definition, PivotLayout layout);
  void Relayout(PivotSource source, PivotDefinition definition);
  void Write(SheetModel& sheet) const;

  std::weak_ptr<SheetModel> sheet_;
  PivotSource source_;
  PivotDefinition definition_;
  PivotLayout layout_;
  int layouts_ = 1;
};

}  // namespace corvane::sim::excel::pivot
