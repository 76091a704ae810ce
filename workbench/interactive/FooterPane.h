// The lines under the sheet: the sheet tabs of the active workbook (and the
// other workbooks), the legend of the colours, the active cell, the
// selection and the field under the active cell as the text screen says
// them, and the status line (the focused or hovered button's caption, or
// the last note).
#pragma once

#include "workbench/interactive/Canvas.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::workbench {

class Session;

class FooterPane {
 public:
  static constexpr int kHeight = 6;

  // Paints the last kHeight rows of the canvas.
  static void Paint(Session& session, const ViewState& state, Canvas& canvas, HitMap& hits);
  // What the status line says.
  static std::string StatusText(Session& session, const ViewState& state);

 private:
  static void Tabs(Session& session, int row, Canvas& canvas, HitMap& hits);
  static void Legend(const ViewState& state, int row, Canvas& canvas);
};

}  // namespace corvane::workbench
