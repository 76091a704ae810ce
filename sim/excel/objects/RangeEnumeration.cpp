#include "sim/excel/objects/RangeEnumeration.h"

#include "sim/core/Enumeration.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {
namespace {

// A sheet gone by now gives a wrapper that fails as a stale reference does.
VARIANT GivePiece(const RangePieces::Piece& piece) {
  return com::Variant(NewRangeObject(piece.sheet.lock(), piece.area)).detach();
}

}  // namespace

size_t RangePieces::PiecesIn(const CellRect& area) const {
  switch (areas_.shape()) {
    case AreaShape::Rows:
      return static_cast<size_t>(area.rows());
    case AreaShape::Columns:
      return static_cast<size_t>(area.columns());
    case AreaShape::Cells:
      break;
  }
  return static_cast<size_t>(area.count());
}

CellRect RangePieces::PieceOf(const CellRect& area, size_t index) const {
  const auto at = static_cast<int32_t>(index);
  switch (areas_.shape()) {
    case AreaShape::Rows:
      return {area.top + at, area.left, area.top + at, area.right};
    case AreaShape::Columns:
      return {area.top, area.left + at, area.bottom, area.left + at};
    case AreaShape::Cells:
      break;
  }
  return CellRect::Cell(area.top + at / area.columns(), area.left + at % area.columns());
}

size_t RangePieces::size() const {
  size_t total = 0;
  for (const auto& area : areas_.rects()) total += PiecesIn(area);
  return total;
}

RangePieces::Piece RangePieces::operator[](size_t index) const {
  for (const auto& area : areas_.rects()) {
    const size_t pieces = PiecesIn(area);
    if (index < pieces) return {sheet_, Areas(PieceOf(area, index), areas_.shape())};
    index -= pieces;
  }
  return {sheet_, areas_};  // not reached: the enumerator stays below size()
}

com::Variant EnumerateRange(const std::weak_ptr<SheetModel>& sheet, const Areas& areas) {
  return EnumerateList<RangePieces, &GivePiece>(std::make_shared<const RangePieces>(sheet, areas));
}

}  // namespace corvane::sim::excel
