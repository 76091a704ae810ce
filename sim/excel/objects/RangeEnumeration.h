// What For Each walks in a range: its cells row by row, area after area (its
// rows or its columns when the range was reached as Rows or Columns), each
// handed out as a Range when the enumerator gets to it, so that walking a
// whole column does not make 65536 wrappers up front.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/com/Variant.h"
#include "sim/excel/model/SheetModel.h"

namespace corvane::sim::excel {

class RangePieces {
 public:
  struct Piece {
    std::weak_ptr<SheetModel> sheet;
    Areas area;
  };
  using value_type = Piece;

  RangePieces(std::weak_ptr<SheetModel> sheet, Areas areas) : sheet_(std::move(sheet)), areas_(std::move(areas)) {}

  size_t size() const;
  Piece operator[](size_t index) const;

 private:
  size_t PiecesIn(const CellRect& area) const;
  CellRect PieceOf(const CellRect& area, size_t index) const;

  std::weak_ptr<SheetModel> sheet_;
  Areas areas_;
};

// The range's _NewEnum.
com::Variant EnumerateRange(const std::weak_ptr<SheetModel>& sheet, const Areas& areas);

}  // namespace corvane::sim::excel
