#include "sim/excel/model/Areas.h"

#include <algorithm>
#include <stdexcept>

namespace corvane::sim::excel {

Areas::Areas(CellRect rect, AreaShape shape) : Areas(std::vector<CellRect>{rect}, shape) {}

Areas::Areas(std::vector<CellRect> rects, AreaShape shape) : rects_(std::move(rects)), shape_(shape) {
  if (rects_.empty()) throw std::invalid_argument("a range has at least one area");
  for (const CellRect& r : rects_) {
    if (!r.valid()) throw std::invalid_argument("a range area lies off the sheet");
  }
}

int64_t Areas::Count() const {
  switch (shape_) {
    case AreaShape::Rows:
      return first_area().rows();
    case AreaShape::Columns:
      return first_area().columns();
    case AreaShape::Cells:
      break;
  }
  int64_t total = 0;
  for (const CellRect& r : rects_) total += r.count();
  return total;
}

std::optional<Areas> Areas::Item(int32_t index) const {
  if (index < 1) return std::nullopt;
  const CellRect& area = first_area();
  CellRect result;
  switch (shape_) {
    case AreaShape::Rows:
      result = {area.top + index - 1, area.left, area.top + index - 1, area.right};
      break;
    case AreaShape::Columns:
      result = {area.top, area.left + index - 1, area.bottom, area.left + index - 1};
      break;
    case AreaShape::Cells: {
      // Cells run along the first area's rows, wrapping at its width.
      const int32_t width = area.columns();
      return Item((index - 1) / width + 1, (index - 1) % width + 1);
    }
  }
  if (!result.valid()) return std::nullopt;
  return Areas(result, shape_);
}

std::optional<Areas> Areas::Item(int32_t row, int32_t column) const {
  const CellRect cell = CellRect::Cell(first_area().top + row - 1, first_area().left + column - 1);
  if (!cell.valid()) return std::nullopt;
  return Areas(cell);
}

bool Areas::Contains(CellRef cell) const {
  for (const CellRect& r : rects_) {
    if (r.contains(cell)) return true;
  }
  return false;
}

namespace {

// Two rectangles that together are one rectangle: same columns and touching
// rows, or same rows and touching columns, or one inside the other.
std::optional<CellRect> Merged(const CellRect& a, const CellRect& b) {
  if (a.contains(b)) return a;
  if (b.contains(a)) return b;
  const bool same_columns = a.left == b.left && a.right == b.right;
  const bool same_rows = a.top == b.top && a.bottom == b.bottom;
  if (same_columns && a.top <= b.bottom + 1 && b.top <= a.bottom + 1) {
    return CellRect{std::min(a.top, b.top), a.left, std::max(a.bottom, b.bottom), a.right};
  }
  if (same_rows && a.left <= b.right + 1 && b.left <= a.right + 1) {
    return CellRect{a.top, std::min(a.left, b.left), a.bottom, std::max(a.right, b.right)};
  }
  return std::nullopt;
}

// Merges the first pair of areas that combine into the earlier one's place.
bool MergeOnePair(std::vector<CellRect>& rects) {
  for (size_t i = 0; i < rects.size(); ++i) {
    for (size_t j = i + 1; j < rects.size(); ++j) {
      if (const auto merged = Merged(rects[i], rects[j])) {
        rects[i] = *merged;
        rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
        return true;
      }
    }
  }
  return false;
}

}  // namespace

Areas Areas::Union(const Areas& a, const Areas& b) {
  std::vector<CellRect> rects = a.rects_;
  rects.insert(rects.end(), b.rects_.begin(), b.rects_.end());
  while (MergeOnePair(rects)) {
  }
  return Areas(std::move(rects));
}

}  // namespace corvane::sim::excel
