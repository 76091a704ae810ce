// The host-call pane (l): the newest actions with the number of calls the
// add-in made into Excel and the events Excel raised for each.
#pragma once

#include "workbench/interactive/ActionLog.h"
#include "workbench/interactive/Canvas.h"

namespace corvane::workbench {

class CallPane {
 public:
  // Paints rows top..top+height-1: a title, then the newest lines.
  static void Paint(const ActionLog& log, int top, int height, Canvas& canvas);
};

}  // namespace corvane::workbench
