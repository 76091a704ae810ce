#include "workbench/interactive/FooterPane.h"

#include <optional>
#include <sstream>
#include <utility>

#include "platform/com/Text.h"
#include "workbench/Screen.h"
#include "workbench/Session.h"
#include "workbench/ToolbarView.h"

namespace corvane::workbench {

void FooterPane::Paint(Session& session, const ViewState& state, Canvas& canvas, HitMap& hits) {
  const int top = canvas.rows() - kHeight;
  canvas.Clear(top, 0, kHeight, canvas.columns(), Style::Normal);
  Tabs(session, top, canvas, hits);
  Legend(state, top + 1, canvas);
  std::istringstream position(Screen(session).Position());
  std::string line;
  for (int row = top + 2; row < top + 5 && std::getline(position, line); ++row) canvas.Put(row, 1, line, Style::Normal);
  canvas.Clear(top + 5, 0, 1, canvas.columns(), Style::Status);
  canvas.Put(top + 5, 1, StatusText(session, state), Style::Status);
  const std::string keys = "F1/? help  q quit";
  canvas.Put(top + 5, canvas.columns() - static_cast<int>(keys.size()) - 1, keys, Style::Status);
}

std::string FooterPane::StatusText(Session& session, const ViewState& state) {
  const auto bar = session.toolbar();
  const std::optional<int> shown = state.hoveredButton             ? state.hoveredButton
                                   : state.focus == Focus::Toolbar ? std::optional<int>(state.focusedButton)
                                                                   : std::nullopt;
  if (bar && shown) {
    const auto buttons = ToolbarButtons(*bar);
    if (*shown >= 0 && *shown < static_cast<int>(buttons.size())) {
      const auto& button = buttons[*shown];
      return "Button " + std::to_string(button.position) + " " + button.label + " (" + button.state +
             "): " + button.caption;
    }
  }
  return state.note;
}

void FooterPane::Tabs(Session& session, int row, Canvas& canvas, HitMap& hits) {
  const auto& app = session.app();
  const auto book = app.active_workbook();
  if (!book) {
    canvas.Put(row, 1, "No workbook open.", Style::Tab);
    return;
  }
  int column = 1 + canvas.Put(row, 1, com::Utf16ToUtf8(book->name()) + ":", Style::Tab);
  const auto active = app.active_sheet();
  const auto& sheets = book->sheets();
  for (size_t i = 0; i < sheets.size(); ++i) {
    const bool current = sheets[i] == active;
    const std::string name = (current ? "[" : " ") + com::Utf16ToUtf8(sheets[i]->name()) +
                             (sheets[i]->is_worksheet() ? "" : " (chart)") + (current ? "]" : " ");
    const int written = canvas.Put(row, column + 1, name, Style::Tab, current ? kReverse | kBold : kPlain);
    hits.Add(row, column + 1, written, {TargetKind::Tab, {}, static_cast<int>(i)});
    column += written + 1;
  }
  std::string others;
  for (const auto& other : app.workbooks()) {
    if (other != book) others += " " + com::Utf16ToUtf8(other->name());
  }
  if (!others.empty()) canvas.Put(row, column + 2, "other workbooks (w):" + others, Style::Normal);
}

void FooterPane::Legend(const ViewState& state, int row, Canvas& canvas) {
  int column = 1 + canvas.Put(row, 1, "Areas:", Style::Normal);
  const std::pair<const char*, Style> entries[] = {{"page", Style::PageArea},          {"row", Style::RowArea},
                                                   {"column", Style::ColumnArea},      {"data", Style::DataArea},
                                                   {"grand total", Style::GrandTotal}, {"other", Style::OtherTable}};
  for (const auto& [name, style] : entries)
    column += 1 + canvas.Put(row, column + 1, std::string(" ") + name + " ", style);
  column += 2 + canvas.Put(row, column + 2, " selected ", Style::Normal, kReverse);
  column += 2 + canvas.Put(row, column + 2, ">active ", Style::Normal, kReverse | kBold | kUnderline);
  if (state.ctrlLatched) canvas.Put(row, column + 2, " CTRL held ", Style::ButtonPressed, kBold);
}

}  // namespace corvane::workbench
