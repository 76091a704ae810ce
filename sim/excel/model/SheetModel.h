// One sheet of a workbook: a worksheet with cells, formats, fitted column
// widths and row heights and the pivot tables placed on it, or a chart sheet
// (no cells).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/excel/model/Areas.h"
#include "sim/excel/model/CellData.h"
#include "sim/excel/model/PivotSite.h"

namespace corvane::sim::excel {

class WorkbookModel;

enum class SheetKind { Worksheet, Chart };

// Excel's standard width (characters) and height (points) in the classic
// default font.
inline constexpr double kStandardColumnWidth = 8.43;
inline constexpr double kStandardRowHeight = 12.75;

class SheetModel {
 public:
  SheetModel(std::u16string name, SheetKind kind, std::weak_ptr<WorkbookModel> workbook);

  const std::u16string& name() const { return name_; }
  void set_name(std::u16string name) { name_ = std::move(name); }
  SheetKind kind() const { return kind_; }
  bool is_worksheet() const { return kind_ == SheetKind::Worksheet; }
  std::shared_ptr<WorkbookModel> workbook() const { return workbook_.lock(); }

  // Cells. A chart sheet has none: writing one throws std::logic_error.
  const CellData& cell(CellRef ref) const;
  void SetValue(CellRef ref, CellValue value);
  void SetNumberFormat(const Areas& areas, const std::u16string& format);
  // The format shared by every cell of the areas; nothing when they differ
  // (Excel answers Null then).
  std::optional<std::u16string> CommonNumberFormat(const Areas& areas) const;
  void SetStyle(const Areas& areas, const std::u16string& style, const std::u16string& style_format);
  std::optional<std::u16string> CommonStyle(const Areas& areas) const;
  // Back to General and the Normal style; values stay.
  void ClearFormats(const Areas& areas);
  // Empties values and formats (the pivot engine clears its old layout).
  // Empties the values and keeps the formatting, as a pivot table's
  // refresh does (Excel preserves the table's formatting by default).
  void ClearValues(const CellRect& rect);

  // AutoFit: each column of the areas gets the width of its longest text
  // within them (the standard width when empty); each row the standard
  // height.
  void AutoFitColumns(const Areas& areas);
  void AutoFitRows(const Areas& areas);
  double column_width(int32_t column) const;
  double row_height(int32_t row) const;
  // Columns and rows that AutoFit has set, in the order it set them.
  const std::vector<int32_t>& fitted_columns() const { return fitted_columns_; }
  const std::vector<int32_t>& fitted_rows() const { return fitted_rows_; }

  // Pivot tables, in the order they were placed.
  void AddPivot(std::shared_ptr<PivotSite> table);
  void RemovePivot(const PivotSite* table);
  const std::vector<std::shared_ptr<PivotSite>>& pivots() const { return pivots_; }
  // The first table whose footprint holds the cell; null when none.
  std::shared_ptr<PivotSite> PivotAt(CellRef ref) const;
  std::shared_ptr<PivotSite> PivotNamed(const std::u16string& name) const;

 private:
  struct CellKey {
    int32_t row;
    int32_t column;
    auto operator<=>(const CellKey&) const = default;
  };
  CellData& Writable(CellRef ref);
  template <class Visit>
  void ForEachCell(const Areas& areas, Visit visit) const;
  std::optional<std::u16string> Common(const Areas& areas, std::u16string CellData::*member) const;

  std::u16string name_;
  SheetKind kind_;
  std::weak_ptr<WorkbookModel> workbook_;
  std::map<CellKey, CellData> cells_;
  std::map<int32_t, double> widths_;
  std::map<int32_t, double> heights_;
  std::vector<int32_t> fitted_columns_;
  std::vector<int32_t> fitted_rows_;
  std::vector<std::shared_ptr<PivotSite>> pivots_;
};

}  // namespace corvane::sim::excel
