#include "workbench/Screen.h"

#include <algorithm>

#include "platform/com/Text.h"
#include "sim/excel/model/Address.h"
#include "sim/office/addins/AddInEntry.h"
#include "workbench/GridView.h"
#include "workbench/PivotAreas.h"
#include "workbench/Session.h"
#include "workbench/ToolbarView.h"

namespace corvane::workbench {
namespace {

std::string Utf8(const std::u16string& text) { return com::Utf16ToUtf8(text); }

std::string Indented(const std::u16string& text) {
  std::string out = "    ";
  for (char c : Utf8(text)) out += c == '\n' ? std::string("\n    ") : std::string(1, c);
  return out + "\n";
}

}  // namespace

std::string Screen::Render() {
  if (!session_.running()) return "Excel is not running.\n";
  std::string text = "================================================================\n";
  text += RenderToolbar(session_.toolbar());
  text += Workbook();
  text += GridView(session_.app()).Render();
  text += GridView::Legend();
  text += Position();
  text += Boxes();
  text += Calls();
  text += Status();
  return text;
}

std::string Screen::Workbook() const {
  const auto& app = session_.app();
  const auto book = app.active_workbook();
  if (!book) return "No workbook open.\n";
  const auto window = app.active_window();
  std::string text = "Workbook " + Utf8(book->name()) + "  sheets:";
  const auto grouped = window->selected_sheets();
  for (const auto& sheet : book->sheets()) {
    const bool active = sheet == window->active_sheet();
    const bool inGroup = std::find(grouped.begin(), grouped.end(), sheet) != grouped.end();
    const std::string name = Utf8(sheet->name()) + (sheet->is_worksheet() ? "" : " (chart)");
    text += " " + (active ? "[" + name + "]" : inGroup ? "{" + name + "}" : name);
  }
  text += grouped.size() > 1 ? "  (grouped: " + std::to_string(grouped.size()) + " sheets)" : "";
  text += "  other workbooks:";
  for (const auto& other : app.workbooks()) {
    if (other != book) text += " " + Utf8(other->name());
  }
  return text + "\n";
}

std::string Screen::Position() const {
  const auto& app = session_.app();
  const auto selection = app.selection();
  if (!selection) return "No cells here to select.\n";
  const auto active = sim::excel::CellRect::Cell(selection->active_cell.row, selection->active_cell.column);
  const auto& cell = app.active_sheet()->cell(selection->active_cell);
  return "Active cell " + Utf8(sim::excel::AddressOf(active)) + " shows \"" +
         Utf8(GridView::ShownText(app, *app.active_sheet(), selection->active_cell)) + "\" (format \"" +
         Utf8(cell.number_format) + "\", style " + Utf8(cell.style) + ")\nSelection " +
         Utf8(selection->areas.Address()) + " (" + std::to_string(selection->areas.rects().size()) + " area" +
         (selection->areas.rects().size() == 1 ? "" : "s") +
         ")\nField under the active cell: " + PivotAreas::FieldUnder(*app.active_sheet(), selection->active_cell) +
         "\n";
}

std::string Screen::Boxes() {
  const auto shown = session_.boxes().ShownSince(boxesShown_);
  boxesShown_ += shown.size();
  std::string text;
  for (const ShownBox& box : shown) {
    text += std::string(box.dialog ? "Dialog" : "Message box") + " \"" + Utf8(box.caption) + "\"";
    if (!box.dialog) text += " [" + ui::ButtonListText(box.buttons) + "]";
    text += " answered " + Utf8(box.answer) + ":\n" + Indented(box.text);
  }
  return text.empty() ? "No boxes since the last screen.\n" : "Boxes since the last screen:\n" + text;
}

std::string Screen::Calls() {
  const auto calls = session_.calls().Take();
  std::string text = "Calls into Excel since the last screen: " + std::to_string(calls.size()) + "\n";
  if (!calls.empty()) text += "    " + CallTrace::Summary(calls) + "\n";
  const auto events = session_.TakeEvents();
  if (!events.empty()) text += "Host events: " + CallTrace::Summary(events) + "\n";
  return text;
}

std::string Screen::Status() const {
  const auto entry = session_.addIn();
  const auto& notation = session_.app().user_notation();
  std::string text = "Status: Excel " + Utf8(session_.app().version()) + " | Corvane ";
  text += entry ? (entry->connected ? "connected" : "not connected") : "not registered";
  text += " | numbers 1" + Utf8(std::u16string(1, notation.grouping)) + "234" +
          Utf8(std::u16string(1, notation.decimal)) + "5 | data " + session_.data().root().string();
  return text + "\n";
}

}  // namespace corvane::workbench
