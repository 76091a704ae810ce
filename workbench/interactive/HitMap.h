// What lies under each screen cell that the mouse can act on: a cell of
// the sheet, a toolbar button, a sheet tab, a box's button. Filled while
// the panes paint.
#pragma once

#include <optional>
#include <vector>

#include "sim/excel/model/CellRect.h"

namespace corvane::workbench {

enum class TargetKind { None, Cell, Button, Tab, BoxButton };

struct Target {
  TargetKind kind = TargetKind::None;
  // TargetKind::Cell.
  sim::excel::CellRef cell;
  // The button's, tab's or box button's index (0-based).
  int index = 0;

  bool operator==(const Target&) const = default;
};

struct ScreenPoint {
  int row = 0;
  int column = 0;
};

class HitMap {
 public:
  void Add(int row, int column, int width, Target target);
  // The last added target covering the point wins (boxes lie on top).
  Target At(int row, int column) const;
  // The first point of a target; nothing when it is not on the screen.
  std::optional<ScreenPoint> Find(const Target& target) const;
  void Clear() { spans_.clear(); }

 private:
  struct Span {
    int row;
    int column;
    int width;
    Target target;
  };
  std::vector<Span> spans_;
};

}  // namespace corvane::workbench
