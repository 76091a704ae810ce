#include "workbench/interactive/UserActions.h"

#include <vector>

#include "platform/com/Text.h"
#include "sim/excel/model/Address.h"
#include "sim/excel/model/AppModel.h"
#include "workbench/ScriptArguments.h"
#include "workbench/Session.h"

namespace corvane::workbench {
namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::vector<std::string> LinesOf(std::ostringstream& stream) {
  std::istringstream in(stream.str());
  stream.str({});
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace

UserActions::UserActions(Session& session, ActionLog& log, ViewState& state)
    : session_(session), log_(log), state_(state), runner_(session, out_, errors_) {}

bool UserActions::Run(const std::string& line) {
  const bool worked = runner_.RunLine(line, ++lines_, "interactive");
  std::vector<std::string> said = LinesOf(out_);
  if (!said.empty() && said.front().rfind("> ", 0) == 0) said.erase(said.begin());
  const auto errors = LinesOf(errors_);
  const std::string prefix = "interactive:" + std::to_string(lines_) + ": ";
  for (const auto& error : errors) said.push_back(error.rfind(prefix, 0) == 0 ? error.substr(prefix.size()) : error);
  state_.note = said.empty() ? line : said.back();
  while (!state_.note.empty() && state_.note.front() == ' ') state_.note.erase(0, 1);
  log_.Record(line, session_, said);
  return worked;
}

void UserActions::Record(const std::string& action) { log_.Record(action, session_); }

void UserActions::Select(const sim::excel::Selection& selection) {
  std::string line = "select " + Normalized(selection.areas);
  const std::string active = com::Utf16ToUtf8(
      sim::excel::AddressOf(sim::excel::CellRect::Cell(selection.active_cell.row, selection.active_cell.column)));
  if (selection.areas.first_cell() != selection.active_cell) line += " active " + active;
  Run(line);
}

void UserActions::ClickButton(int index, bool ctrl) {
  Run(std::string(ctrl ? "ctrl-click " : "click ") + std::to_string(index + 1));
}

void UserActions::ActivateSheet(int index) {
  const auto book = session_.app().active_workbook();
  if (!book || index < 0 || index >= static_cast<int>(book->sheets().size())) return;
  Run("sheet " + Quoted(com::Utf16ToUtf8(book->sheets()[index]->name())));
}

void UserActions::NextSheet(int step) {
  const auto book = session_.app().active_workbook();
  if (!book || book->sheets().empty()) return;
  const auto& sheets = book->sheets();
  const int count = static_cast<int>(sheets.size());
  int at = 0;
  while (at < count && sheets[at] != session_.app().active_sheet()) ++at;
  ActivateSheet(((at + step) % count + count) % count);
}

void UserActions::NextWorkbook() {
  const auto& books = session_.app().workbooks();
  if (books.size() < 2) {
    state_.note = "No other workbook is open.";
    return;
  }
  size_t at = 0;
  while (at < books.size() && books[at] != session_.app().active_workbook()) ++at;
  Run("workbook " + Quoted(com::Utf16ToUtf8(books[(at + 1) % books.size()]->name())));
}

void UserActions::Restart() {
  if (Run("restart")) state_.note = "Excel restarted.";
}

void UserActions::Unload() { Run("unload"); }

void UserActions::Load() { Run("load"); }

bool UserActions::Quit() {
  if (session_.Quit()) return true;
  state_.note = "A workbook refused to close: Excel keeps running.";
  log_.Record("quit", session_, {state_.note});
  return false;
}

}  // namespace corvane::workbench
