#include "sim/excel/model/SheetModel.h"

#include <algorithm>
#include <stdexcept>

#include "platform/com/Text.h"

namespace corvane::sim::excel {
namespace {

const CellData kEmptyCell{};

// Whole-row and whole-column areas would visit millions of cells; formats
// of cells never written live only in the map, so visits stop at the cells
// that exist or are written, bounded by this used corner.
CellRect Clip(const CellRect& area, int32_t last_row, int32_t last_column) {
  return {area.top, area.left, std::min(area.bottom, std::max(last_row, area.top)),
          std::min(area.right, std::max(last_column, area.left))};
}

}  // namespace

SheetModel::SheetModel(std::u16string name, SheetKind kind, std::weak_ptr<WorkbookModel> workbook)
    : name_(std::move(name)), kind_(kind), workbook_(std::move(workbook)) {}

const CellData& SheetModel::cell(CellRef ref) const {
  const auto found = cells_.find({ref.row, ref.column});
  return found == cells_.end() ? kEmptyCell : found->second;
}

CellData& SheetModel::Writable(CellRef ref) {
  if (!is_worksheet()) throw std::logic_error("a chart sheet has no cells");
  return cells_[{ref.row, ref.column}];
}

template <class Visit>
void SheetModel::ForEachCell(const Areas& areas, Visit visit) const {
  // Cells beyond every written cell are all default: visiting the first of
  // them stands for the rest.
  int32_t last_row = 1;
  int32_t last_column = 1;
  for (const auto& [key, data] : cells_) {
    last_row = std::max(last_row, key.row + 1);
    last_column = std::max(last_column, key.column + 1);
  }
  for (const CellRect& area : areas.rects()) {
    const CellRect clipped = Clip(area, last_row, last_column);
    for (int32_t r = clipped.top; r <= clipped.bottom; ++r) {
      for (int32_t c = clipped.left; c <= clipped.right; ++c) visit(CellRef{r, c});
    }
  }
}

void SheetModel::SetValue(CellRef ref, CellValue value) { Writable(ref).value = std::move(value); }

void SheetModel::SetNumberFormat(const Areas& areas, const std::u16string& format) {
  if (!is_worksheet()) throw std::logic_error("a chart sheet has no cells");
  for (const CellRect& area : areas.rects()) {
    for (int32_t r = area.top; r <= area.bottom; ++r) {
      for (int32_t c = area.left; c <= area.right; ++c) Writable({r, c}).number_format = format;
    }
  }
}

void SheetModel::SetStyle(const Areas& areas, const std::u16string& style, const std::u16string& style_format) {
  if (!is_worksheet()) throw std::logic_error("a chart sheet has no cells");
  for (const CellRect& area : areas.rects()) {
    for (int32_t r = area.top; r <= area.bottom; ++r) {
      for (int32_t c = area.left; c <= area.right; ++c) {
        CellData& data = Writable({r, c});
        data.style = style;
        data.number_format = style_format;
      }
    }
  }
}

std::optional<std::u16string> SheetModel::Common(const Areas& areas, std::u16string CellData::*member) const {
  std::optional<std::u16string> common;
  bool mixed = false;
  ForEachCell(areas, [&](CellRef ref) {
    const std::u16string& value = cell(ref).*member;
    if (!common) {
      common = value;
    } else if (*common != value) {
      mixed = true;
    }
  });
  if (mixed) return std::nullopt;
  return common;
}

std::optional<std::u16string> SheetModel::CommonNumberFormat(const Areas& areas) const {
  return Common(areas, &CellData::number_format);
}

std::optional<std::u16string> SheetModel::CommonStyle(const Areas& areas) const {
  return Common(areas, &CellData::style);
}

void SheetModel::ClearFormats(const Areas& areas) {
  for (auto& [key, data] : cells_) {
    if (!areas.Contains({key.row, key.column})) continue;
    data.number_format = kGeneralFormat;
    data.style = kNormalStyle;
  }
}

void SheetModel::ClearValues(const CellRect& rect) {
  for (auto it = cells_.begin(); it != cells_.end();) {
    if (!rect.contains(CellRef{it->first.row, it->first.column})) {
      ++it;
    } else if (it->second.has_format()) {
      (it++)->second.value = CellValue{};
    } else {
      it = cells_.erase(it);
    }
  }
}

void SheetModel::AutoFitColumns(const Areas& areas) {
  for (const CellRect& area : areas.rects()) {
    for (int32_t c = area.left; c <= area.right; ++c) {
      size_t longest = 0;
      for (const auto& [key, data] : cells_) {
        if (key.column == c && key.row >= area.top && key.row <= area.bottom) {
          longest = std::max(longest, DisplayText(data.value).size());
        }
      }
      widths_[c] = longest == 0 ? kStandardColumnWidth : static_cast<double>(longest);
      fitted_columns_.push_back(c);
    }
  }
}

void SheetModel::AutoFitRows(const Areas& areas) {
  for (const CellRect& area : areas.rects()) {
    for (int32_t r = area.top; r <= area.bottom; ++r) {
      heights_[r] = kStandardRowHeight;
      fitted_rows_.push_back(r);
    }
  }
}

double SheetModel::column_width(int32_t column) const {
  const auto found = widths_.find(column);
  return found == widths_.end() ? kStandardColumnWidth : found->second;
}

double SheetModel::row_height(int32_t row) const {
  const auto found = heights_.find(row);
  return found == heights_.end() ? kStandardRowHeight : found->second;
}

void SheetModel::AddPivot(std::shared_ptr<PivotSite> table) {
  if (!is_worksheet()) throw std::logic_error("a chart sheet holds no pivot tables");
  pivots_.push_back(std::move(table));
}

void SheetModel::RemovePivot(const PivotSite* table) {
  std::erase_if(pivots_, [&](const auto& t) { return t.get() == table; });
}

std::shared_ptr<PivotSite> SheetModel::PivotAt(CellRef ref) const {
  for (const auto& table : pivots_) {
    if (table->footprint().contains(ref)) return table;
  }
  return nullptr;
}

std::shared_ptr<PivotSite> SheetModel::PivotNamed(const std::u16string& name) const {
  for (const auto& table : pivots_) {
    if (com::AsciiEqualNoCase(table->name(), name)) return table;
  }
  return nullptr;
}

}  // namespace corvane::sim::excel
