// The classic layout of one pivot table: every cell it writes and every area
// a client can ask for, computed from the source and the definition.
// Page fields stand one per row above the table, a blank row between; the
// table's first row holds the data caption and the column field names; the
// row field names stand on the row of the innermost column items.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/excel/model/CellRect.h"
#include "sim/excel/pivot/AxisLines.h"
#include "sim/excel/pivot/PivotDefinition.h"

namespace corvane::sim::excel::pivot {

enum class FieldRole { Row, Column, Page, Data };

// A field of the table by its place: the level on the row or column axis
// (the "Data" pseudo-field included), the page row, or the data field.
struct FieldRef {
  FieldRole role = FieldRole::Row;
  size_t index = 0;
  bool operator==(const FieldRef&) const = default;
};

// PivotSelect's modes that name cells of an item or total.
enum class SelectPart { DataAndLabel = 0, Label = 1, Data = 2 };

struct LayoutCell {
  CellRef ref;
  Value value;
  std::optional<std::u16string> number_format;  // data cells only
};

class PivotLayout {
 public:
  // std::invalid_argument with a readable text for a definition that names
  // an unknown field, has no data field, or does not fit on the sheet.
  static PivotLayout Compute(const PivotSource& source, const PivotDefinition& definition);

  const std::vector<LayoutCell>& cells() const { return cells_; }

  CellRect table_range1() const { return table1_; }
  CellRect table_range2() const { return table2_; }
  std::optional<CellRect> page_range() const { return page_; }
  std::optional<CellRect> row_range() const;
  std::optional<CellRect> column_range() const;
  CellRect data_body_range() const;
  CellRect data_label_range() const;
  CellRect origin() const;

  // Empty cells among the row and column items; none when there are none.
  std::vector<CellRect> Blanks() const;
  // The grand total column(s) at the right and the grand total row(s) at
  // the bottom; none when hidden.
  std::vector<CellRect> ColumnGrandTotal(SelectPart part) const;
  std::vector<CellRect> RowGrandTotal(SelectPart part) const;
  // The subtotal lines of a row or column field for the given switches.
  std::vector<CellRect> Subtotals(FieldRef field, const std::vector<size_t>& switches, SelectPart part) const;

  // The field under a cell; nothing on grand totals, blank corners and
  // outside the table.
  std::optional<FieldRef> FieldAt(CellRef cell) const;
  // Data field: its data cells; row or column field: its item labels; page
  // field: its value cell.
  std::vector<CellRect> DataRange(FieldRef field) const;
  std::u16string FieldName(FieldRef field) const;
  const std::vector<AxisLevel>& row_levels() const { return rows_; }
  const std::vector<AxisLevel>& column_levels() const { return columns_; }
  size_t page_count() const { return page_names_.size(); }
  size_t data_count() const { return captions_.size(); }
  std::optional<FieldRef> FieldNamed(const std::u16string& name) const;

 private:
  void Place(const PivotSource& source, const PivotDefinition& definition);
  void WriteLabels();
  void WriteData(const PivotSource& source, const PivotDefinition& definition, const std::vector<size_t>& records);
  CellRef At(int32_t row, int32_t column) const { return {table1_.top + row, table1_.left + column}; }
  int32_t label_columns() const;
  int32_t item_rows() const;
  CellRect RowLine(size_t line, int32_t from_column, SelectPart part) const;
  CellRect ColumnLine(size_t line, int32_t from_row, SelectPart part) const;
  std::optional<FieldRef> AxisFieldAt(bool rows, size_t line, size_t level) const;
  void Put(int32_t row, int32_t column, Value value);

  std::vector<AxisLevel> rows_, columns_;
  std::vector<AxisLine> row_lines_, column_lines_;
  std::vector<std::u16string> page_names_, captions_;
  CellRect table1_, table2_;
  std::optional<CellRect> page_;
  std::vector<LayoutCell> cells_;
};

}  // namespace corvane::sim::excel::pivot
