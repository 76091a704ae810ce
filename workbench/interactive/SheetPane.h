// The active sheet on the interactive screen: column letters, row numbers,
// the values through their number formats in their columns' widths, the
// pivot areas in colours and the selection in reverse, the active cell
// underlined too. The sheet scrolls so that the active cell stays in view.
#pragma once

#include <cstdint>
#include <functional>

#include "sim/excel/model/AppModel.h"
#include "workbench/interactive/Canvas.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::workbench {

class SheetPane {
 public:
  static constexpr int kRowLabelWidth = 5;

  // Paints rows top..top+height-1.
  static void Paint(const sim::excel::AppModel& app, ViewState& state, int top, int height, Canvas& canvas,
                    HitMap& hits);
  // The columns from `first` on that fit in `width` screen cells (one at
  // least), each taking its width and a gap.
  static int32_t ColumnsThatFit(int32_t first, int width, const std::function<int32_t(int32_t)>& widthOf);
  // The origin moved as little as needed to show the active cell.
  static sim::excel::CellRef Scrolled(sim::excel::CellRef origin, sim::excel::CellRef active, int rows, int width,
                                      const std::function<int32_t(int32_t)>& widthOf);
  static Style AreaStyle(char area);
};

}  // namespace corvane::workbench
