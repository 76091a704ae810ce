#include "workbench/Expectations.h"

#include <map>

#include "platform/com/Text.h"
#include "sim/excel/model/Address.h"
#include "workbench/GridView.h"
#include "workbench/PivotAreas.h"
#include "workbench/ScriptArguments.h"
#include "workbench/ScriptError.h"
#include "workbench/Session.h"
#include "workbench/TextLine.h"
#include "workbench/ToolbarView.h"

namespace corvane::workbench {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void Compare(const std::string& what, const std::string& expected, const std::string& actual) {
  if (expected != actual) throw ScriptError(what + ": expected " + Quoted(expected) + ", shown " + Quoted(actual));
}

const sim::excel::SheetModel& ActiveWorksheet(Session& session) {
  const auto sheet = session.app().active_sheet();
  if (!sheet || !sheet->is_worksheet()) throw ScriptError("the active sheet has no cells");
  return *sheet;
}

sim::excel::Selection CurrentSelection(Session& session) {
  const auto selection = session.app().selection();
  if (!selection) throw ScriptError("nothing is selected");
  return *selection;
}

}  // namespace

void Expectations::Check(const Words& words) {
  using Checker = void (Expectations::*)(const Words&);
  static const std::map<std::string, Checker> checks{
      {"selection", &Expectations::Selection}, {"active", &Expectations::Active},  {"button", &Expectations::Button},
      {"cell", &Expectations::Cell},           {"format", &Expectations::Format},  {"field", &Expectations::Field},
      {"message", &Expectations::Message},     {"toolbar", &Expectations::Toolbar}};
  if (words.size() < 2)
    throw ScriptError("expect what? (selection, active, button, cell, format, field, message, toolbar)");
  const auto check = checks.find(words[1]);
  if (check == checks.end()) throw ScriptError("unknown expectation \"" + words[1] + "\"");
  (this->*check->second)(Words(words.begin() + 1, words.end()));
}

void Expectations::Selection(const Words& words) {
  RequireArguments(words, 1, "expect selection ADDRESS");
  Compare("selection", Normalized(AreasArgument(words[1])), Normalized(CurrentSelection(session_).areas));
}

void Expectations::Active(const Words& words) {
  RequireArguments(words, 1, "expect active CELL");
  const auto expected = CellArgument(words[1]);
  const auto actual = CurrentSelection(session_).active_cell;
  Compare("active cell",
          com::Utf16ToUtf8(sim::excel::AddressOf(sim::excel::CellRect::Cell(expected.row, expected.column))),
          com::Utf16ToUtf8(sim::excel::AddressOf(sim::excel::CellRect::Cell(actual.row, actual.column))));
}

void Expectations::Button(const Words& words) {
  RequireArguments(words, 2, "expect button NAME enabled|disabled|pressed");
  const auto bar = session_.toolbar();
  if (!bar) throw ScriptError("the toolbar is not there");
  const auto control = FindButton(*bar, words[1]);
  if (!control) throw ScriptError("no button " + Quoted(words[1]));
  Compare("button " + Quoted(words[1]), words[2], ButtonState(*control));
}

void Expectations::Cell(const Words& words) {
  RequireArguments(words, 2, "expect cell CELL \"TEXT\"");
  const auto cell = CellArgument(words[1]);
  const auto shown = GridView::ShownText(session_.app(), ActiveWorksheet(session_), cell);
  Compare("cell " + words[1], words[2], std::string(Trimmed(com::Utf16ToUtf8(shown))));
}

void Expectations::Format(const Words& words) {
  RequireArguments(words, 2, "expect format CELL \"CODE\"");
  const auto cell = CellArgument(words[1]);
  Compare("number format of " + words[1], words[2],
          com::Utf16ToUtf8(ActiveWorksheet(session_).cell(cell).number_format));
}

void Expectations::Field(const Words& words) {
  RequireArguments(words, 1, "expect field NAME|none");
  const auto selection = CurrentSelection(session_);
  std::string field = PivotAreas::FieldUnder(ActiveWorksheet(session_), selection.active_cell);
  field = field.substr(0, field.find(" ("));
  Compare("field under the active cell", words[1], field);
}

void Expectations::Message(const Words& words) {
  RequireArguments(words, 1, "expect message \"TEXT\"");
  const auto shown = session_.boxes().ShownSince(messagesChecked_);
  messagesChecked_ += shown.size();
  for (const ShownBox& box : shown) {
    const std::string text = com::Utf16ToUtf8(box.caption + u"\n" + box.text);
    if (text.find(words[1]) != std::string::npos) return;
  }
  throw ScriptError("no box since the last message check shows " + Quoted(words[1]) + " (" +
                    std::to_string(shown.size()) + " shown)");
}

void Expectations::Toolbar(const Words& words) {
  RequireArguments(words, 1, "expect toolbar present|absent");
  Compare("toolbar", words[1], session_.toolbar() ? "present" : "absent");
}

}  // namespace corvane::workbench
