// The whole interactive screen: a title line (Excel, Corvane's state, the
// numbers' notation, the data folder), the toolbar, the sheet, the
// host-call pane when shown, the footer, and the help over it all when
// asked. Fills the hit map as it paints.
#pragma once

#include "workbench/interactive/ActionLog.h"
#include "workbench/interactive/Canvas.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::workbench {

class Session;

class ScreenPainter {
 public:
  static constexpr int kCallPaneHeight = 10;

  static void Paint(Session& session, ViewState& state, const ActionLog& log, Canvas& canvas, HitMap& hits);
};

}  // namespace corvane::workbench
