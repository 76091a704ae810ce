#include "workbench/interactive/ToolbarPane.h"

#include "platform/com/Text.h"
#include "sim/office/model/Bar.h"

namespace corvane::workbench {
namespace {

Style StyleOf(const ToolbarButton& button) {
  if (button.state == "disabled") return Style::ButtonDisabled;
  if (button.state == "pressed") return Style::ButtonPressed;
  return Style::ButtonEnabled;
}

}  // namespace

std::string ToolbarPane::Face(const ToolbarButton& button) {
  if (button.state == "disabled") return "(" + button.label + ")";
  if (button.state == "pressed") return "[#" + button.label + "]";
  return "[" + button.label + "]";
}

int ToolbarPane::Paint(const std::shared_ptr<sim::office::Bar>& bar, const ViewState& state, int top, Canvas& canvas,
                       HitMap& hits) {
  canvas.Clear(top, 0, 1, canvas.columns(), Style::Normal);
  if (!bar || !bar->props().visible) {
    canvas.Put(top, 0, bar ? " Corvane AutoFormat XL is hidden" : " Corvane AutoFormat XL is not there",
               Style::ButtonDisabled);
    return 1;
  }
  const auto buttons = ToolbarButtons(*bar);
  int row = top;
  int column = 1;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const std::string face = Face(buttons[i]);
    const int width = static_cast<int>(face.size()) + (buttons[i].beginGroup && column > 1 ? 2 : 0) + 1;
    if (column > 1 && column + width > canvas.columns()) {
      canvas.Clear(++row, 0, 1, canvas.columns(), Style::Normal);
      column = 1;
    }
    if (buttons[i].beginGroup && column > 1) column += canvas.Put(row, column, "| ", Style::Separator);
    const bool focused = state.focus == Focus::Toolbar && state.focusedButton == static_cast<int>(i);
    const bool hovered = state.hoveredButton == static_cast<int>(i);
    const uint8_t emphasis = focused ? kReverse | kBold : hovered ? kUnderline : kPlain;
    const int written = canvas.Put(row, column, face, StyleOf(buttons[i]), emphasis);
    hits.Add(row, column, written, {TargetKind::Button, {}, static_cast<int>(i)});
    column += written + 1;
  }
  return row - top + 1;
}

}  // namespace corvane::workbench
