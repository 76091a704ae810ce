#include "workbench/ScriptRunner.h"

#include <optional>

#include "platform/com/Text.h"
#include "published/Office.h"
#include "sim/excel/model/AppModel.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/UserActions.h"
#include "sim/office/objects/Clicks.h"
#include "workbench/Locales.h"
#include "workbench/ScriptArguments.h"
#include "workbench/ScriptError.h"
#include "workbench/Session.h"
#include "workbench/TextLine.h"
#include "workbench/ToolbarView.h"

namespace corvane::workbench {
namespace {

std::u16string Utf16(const std::string& text) { return com::Utf8ToUtf16(text); }

ui::Button ButtonNamed(const std::string& name) {
  static const ui::Button buttons[] = {ui::Button::Ok,     ui::Button::Cancel, ui::Button::Abort, ui::Button::Retry,
                                       ui::Button::Ignore, ui::Button::Yes,    ui::Button::No};
  for (ui::Button button : buttons) {
    if (EqualNoCase(ui::ButtonName(button), name)) return button;
  }
  throw ScriptError("no button \"" + name + "\" (OK, Cancel, Abort, Retry, Ignore, Yes, No)");
}

std::shared_ptr<sim::excel::WorkbookModel> ActiveBook(Session& session) {
  const auto book = session.app().active_workbook();
  if (!book) throw ScriptError("no workbook is open");
  return book;
}

std::shared_ptr<sim::excel::SheetModel> SheetNamed(Session& session, const std::string& name) {
  const auto sheet = ActiveBook(session)->FindSheet(Utf16(name));
  if (!sheet) throw ScriptError("no sheet \"" + name + "\" in " + com::Utf16ToUtf8(ActiveBook(session)->name()));
  return sheet;
}

}  // namespace

ScriptRunner::ScriptRunner(Session& session, std::ostream& out, std::ostream& errors)
    : session_(session), out_(out), errors_(errors), screen_(session), expectations_(session) {}

const std::map<std::string, ScriptRunner::Command>& ScriptRunner::Commands() {
  static const std::map<std::string, Command> commands{
      {"cell", &ScriptRunner::Cell},         {"select", &ScriptRunner::Select},
      {"click", &ScriptRunner::Click},       {"ctrl-click", &ScriptRunner::CtrlClick},
      {"answer", &ScriptRunner::Answer},     {"format", &ScriptRunner::Format},
      {"sheet", &ScriptRunner::Sheet},       {"group", &ScriptRunner::Group},
      {"workbook", &ScriptRunner::Workbook}, {"restart", &ScriptRunner::Restart},
      {"unload", &ScriptRunner::Unload},     {"load", &ScriptRunner::Load},
      {"locale", &ScriptRunner::Locale},     {"show", &ScriptRunner::Show},
      {"expect", &ScriptRunner::Expect},     {"drag", &ScriptRunner::Drag},
      {"say", &ScriptRunner::Say},           {"toolbar", &ScriptRunner::Toolbar}};
  return commands;
}

int ScriptRunner::Run(std::istream& script, const std::string& name) {
  PrintNotes();
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) RunLine(line, number, name);
  return failures_ == 0 ? 0 : 1;
}

bool ScriptRunner::RunLine(const std::string& line, int number, const std::string& name) {
  const std::string_view text = Trimmed(line);
  if (text.empty() || text.front() == '#') return true;
  try {
    Words words;
    try {
      words = SplitWords(text);
    } catch (const LineError& error) {
      throw ScriptError(error.what());
    }
    const auto command = Commands().find(words.front());
    if (command == Commands().end()) throw ScriptError("unknown command \"" + words.front() + "\"");
    out_ << "> " << text << "\n";
    if (!session_.running() && words.front() != "restart") throw ScriptError("Excel is not running");
    (this->*command->second)(words);
    PrintNotes();
    return true;
  } catch (const std::exception& error) {
    ++failures_;
    errors_ << name << ":" << number << ": " << error.what() << "\n";
    out_.flush();
    errors_.flush();
    return false;
  }
}

void ScriptRunner::PrintNotes() {
  for (const auto& note : session_.TakeNotes()) out_ << "  " << note << "\n";
}

void ScriptRunner::Cell(const Words& words) {
  RequireArguments(words, 1, "cell CELL");
  const auto cell = CellArgument(words[1]);
  session_.app().Select(session_.app().active_sheet(),
                        sim::excel::Areas(sim::excel::CellRect::Cell(cell.row, cell.column)));
}

// select ADDRESS [active CELL]
void ScriptRunner::Select(const Words& words) {
  if (words.size() != 2 && !(words.size() == 4 && words[2] == "active")) {
    throw ScriptError("expected: select ADDRESS [active CELL]");
  }
  const auto areas = AreasArgument(words[1]);
  std::optional<sim::excel::CellRef> active;
  if (words.size() == 4) active = CellArgument(words[3]);
  if (active && !areas.Contains(*active)) throw ScriptError("the active cell lies outside the selection");
  session_.app().Select(session_.app().active_sheet(), areas, active);
}

void ScriptRunner::Click(const Words& words) {
  RequireArguments(words, 1, "click NAME|POSITION|tag:TAG");
  ClickButton(words[1], false);
}

void ScriptRunner::CtrlClick(const Words& words) {
  RequireArguments(words, 1, "ctrl-click NAME|POSITION|tag:TAG");
  ClickButton(words[1], true);
}

void ScriptRunner::ClickButton(const std::string& name, bool ctrl) {
  const auto bar = session_.toolbar();
  if (!bar) throw ScriptError("the toolbar \"Corvane AutoFormat XL\" is not there");
  const auto control = FindButton(*bar, name);
  if (!control) throw ScriptError("no button \"" + name + "\" on the toolbar");
  if (!control->props().enabled) throw ScriptError("the button \"" + name + "\" is disabled");
  const size_t boxes = session_.boxes().ShownCount();
  const size_t calls = session_.calls().Pending();
  sim::office::ClickControl(session_.bars(), control, ctrl);
  out_ << "  clicked " << control->index() << " \"" << com::Utf16ToUtf8(control->props().caption)
       << "\": " << session_.calls().Pending() - calls << " calls into Excel, " << session_.boxes().ShownCount() - boxes
       << " boxes\n";
}

void ScriptRunner::Answer(const Words& words) {
  RequireArguments(words, 1, "answer OK|Cancel|Yes|No|Abort|Retry|Ignore");
  session_.boxes().QueueAnswer(ButtonNamed(words[1]));
}

// format "CODE" answers the number format dialog with OK; format cancel
// cancels it.
void ScriptRunner::Format(const Words& words) {
  RequireArguments(words, 1, "format \"CODE\"|cancel");
  if (words[1] == "cancel") {
    session_.app().QueueNumberFormatAnswer(std::nullopt);
  } else {
    session_.app().QueueNumberFormatAnswer(Utf16(words[1]));
  }
}

void ScriptRunner::Sheet(const Words& words) {
  RequireArguments(words, 1, "sheet NAME");
  session_.app().ActivateSheet(SheetNamed(session_, words[1]));
}

void ScriptRunner::Group(const Words& words) {
  RequireAtLeast(words, 1, "group NAME...");
  std::vector<std::shared_ptr<sim::excel::SheetModel>> sheets;
  for (size_t i = 1; i < words.size(); ++i) sheets.push_back(SheetNamed(session_, words[i]));
  session_.app().GroupSheets(sheets);
}

void ScriptRunner::Workbook(const Words& words) {
  RequireArguments(words, 1, "workbook NAME");
  for (const auto& book : session_.app().workbooks()) {
    if (EqualNoCase(com::Utf16ToUtf8(book->name()), words[1])) return session_.app().ActivateWorkbook(book);
  }
  throw ScriptError("no workbook \"" + words[1] + "\" is open");
}

void ScriptRunner::Restart(const Words& words) {
  RequireArguments(words, 0, "restart");
  session_.Restart();
}

void ScriptRunner::Unload(const Words& words) {
  RequireArguments(words, 0, "unload");
  session_.Unload();
}

void ScriptRunner::Load(const Words& words) {
  RequireArguments(words, 0, "load");
  if (!session_.Load()) throw ScriptError("Corvane did not connect");
}

void ScriptRunner::Locale(const Words& words) {
  RequireArguments(words, 1, "locale NAME");
  const auto notation = NotationOf(words[1]);
  if (!notation) {
    std::string known;
    for (const auto& name : KnownLocales()) known += " " + name;
    throw ScriptError("unknown locale \"" + words[1] + "\" (known:" + known + ")");
  }
  session_.app().set_user_notation(*notation);
  if (!SetMachineDecimalSeparator(notation->decimal)) {
    out_ << "  (the add-in keeps the system's own decimal separator here)\n";
  }
}

void ScriptRunner::Show(const Words& words) {
  RequireArguments(words, 0, "show");
  out_ << screen_.Render();
}

void ScriptRunner::Expect(const Words& words) { expectations_.Check(words); }

// drag NAME POSITION: the user drags a button to another place on the bar
// (before the button now at POSITION; one past the last for the end).
void ScriptRunner::Drag(const Words& words) {
  RequireArguments(words, 2, "drag NAME|POSITION|tag:TAG POSITION");
  const auto bar = session_.toolbar();
  if (!bar) throw ScriptError("the toolbar \"Corvane AutoFormat XL\" is not there");
  const auto control = FindButton(*bar, words[1]);
  if (!control) throw ScriptError("no button \"" + words[1] + "\" on the toolbar");
  int32_t before = 0;
  try {
    before = std::stoi(words[2]);
  } catch (const std::exception&) {
    throw ScriptError("\"" + words[2] + "\" is no position");
  }
  if (before < 1 || before > bar->Count() + 1) throw ScriptError("\"" + words[2] + "\" is no position on the bar");
  if (!sim::office::DragControl(*control, bar, before)) throw ScriptError("the toolbar refuses the drag");
}

// say "TEXT": a line of narration on the output.
void ScriptRunner::Say(const Words& words) {
  RequireArguments(words, 1, "say \"TEXT\"");
  out_ << "  " << words[1] << "\n";
}

// toolbar hide|show|float|top|bottom|left|right: the user shows, hides,
// floats or docks Corvane's toolbar.
void ScriptRunner::Toolbar(const Words& words) {
  RequireArguments(words, 1, "toolbar hide|show|float|top|bottom|left|right");
  static const std::map<std::string, int32_t> places{{"float", Office::msoBarFloating},
                                                     {"top", Office::msoBarTop},
                                                     {"bottom", Office::msoBarBottom},
                                                     {"left", Office::msoBarLeft},
                                                     {"right", Office::msoBarRight}};
  const auto bar = session_.toolbar();
  if (!bar) throw ScriptError("the toolbar \"Corvane AutoFormat XL\" is not there");
  bool done = false;
  if (words[1] == "hide" || words[1] == "show") {
    done = sim::office::SetBarVisible(*bar, words[1] == "show");
  } else if (const auto place = places.find(words[1]); place != places.end()) {
    done = sim::office::DockBar(*bar, place->second, 0);
  } else {
    throw ScriptError("expected: toolbar hide|show|float|top|bottom|left|right");
  }
  if (!done) throw ScriptError("the toolbar refuses it");
}

}  // namespace corvane::workbench
