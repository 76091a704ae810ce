// Corvane's toolbar on the interactive screen: each button by its short
// label, "[label]" enabled, "(label)" disabled, "[#label]" pressed, "|"
// where a group begins, the focused one highlighted; lines wrap at the
// screen's width.
#pragma once

#include <memory>
#include <vector>

#include "workbench/ToolbarView.h"
#include "workbench/interactive/Canvas.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::sim::office {
class Bar;
}

namespace corvane::workbench {

class ToolbarPane {
 public:
  // Returns the rows used from `top` on.
  static int Paint(const std::shared_ptr<sim::office::Bar>& bar, const ViewState& state, int top, Canvas& canvas,
                   HitMap& hits);
  // "[Data]", "(Data)" or "[#GT rows]".
  static std::string Face(const ToolbarButton& button);
};

}  // namespace corvane::workbench
