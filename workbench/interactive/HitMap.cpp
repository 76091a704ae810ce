#include "workbench/interactive/HitMap.h"

namespace corvane::workbench {

void HitMap::Add(int row, int column, int width, Target target) {
  if (width > 0) spans_.push_back({row, column, width, target});
}

Target HitMap::At(int row, int column) const {
  for (auto span = spans_.rbegin(); span != spans_.rend(); ++span) {
    if (span->row == row && column >= span->column && column < span->column + span->width) return span->target;
  }
  return {};
}

std::optional<ScreenPoint> HitMap::Find(const Target& target) const {
  for (const auto& span : spans_) {
    if (span.target == target && At(span.row, span.column) == target) return ScreenPoint{span.row, span.column};
  }
  return std::nullopt;
}

}  // namespace corvane::workbench
