#include "workbench/Program.h"

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "platform/com/ComError.h"
#include "platform/com/ModulePath.h"
#include "platform/com/Text.h"
#include "workbench/Options.h"
#include "workbench/SampleWorkbook.h"
#include "workbench/ScriptRunner.h"
#include "workbench/Session.h"
#include "workbench/Tour.h"
#include "workbench/WorkbookReader.h"
#include "workbench/interactive/InteractiveMode.h"

namespace corvane::workbench {
namespace {

struct Script {
  std::unique_ptr<std::istream> owned;
  std::istream* stream = nullptr;
  std::string name;
};

Script ChooseScript(const Options& options, ProgramStreams& streams) {
  Script script;
  if (options.script) {
    script.owned = std::make_unique<std::ifstream>(*options.script, std::ios::binary);
    if (!*script.owned) throw OptionsError(*options.script + ": cannot be read");
    script.name = *options.script;
  } else if (options.tour || streams.inIsTerminal) {
    if (!options.tour) streams.out << "This build has no interactive mode; here is the tour instead.\n";
    script.owned = std::make_unique<std::istringstream>(TourScript());
    script.name = "tour";
  } else {
    script.stream = &streams.in;
    script.name = "<stdin>";
  }
  if (!script.stream) script.stream = script.owned.get();
  return script;
}

std::vector<WorkbookPlan> Workbooks(const Options& options) {
  return options.workbook ? WorkbookReader::ReadFile(*options.workbook) : SampleWorkbooks();
}

bool WantsInteractive(const Options& options, const ProgramStreams& streams) {
  return !options.script && !options.tour && streams.inIsTerminal && streams.openTerminal;
}

SessionConfig ConfigOf(const Options& options, std::vector<WorkbookPlan> workbooks) {
  return {DataFolder::Resolve(options.data), options.library ? com::Utf8ToUtf16(*options.library) : DefaultLibrary(),
          std::move(workbooks)};
}

void NotStarted(const std::exception& error, ProgramStreams& streams) {
  streams.errors << "corvane-workbench: Excel with Corvane did not start: " << error.what() << "\n";
}

int RunSession(const Options& options, std::vector<WorkbookPlan> workbooks, Script& script, ProgramStreams& streams) {
  std::optional<Session> session;
  try {
    session.emplace(ConfigOf(options, std::move(workbooks)));
    session->Start();
  } catch (const std::exception& error) {
    NotStarted(error, streams);
    return 3;
  }
  ScriptRunner runner(*session, streams.out, streams.errors);
  const int result = runner.Run(*script.stream, script.name);
  streams.out << "> (end of " << script.name << ": Excel quits)\n";
  session->Quit();
  for (const auto& note : session->TakeNotes()) streams.out << "  " << note << "\n";
  return result;
}

// The terminal is given back before anything is printed.
int RunInteractive(const Options& options, std::vector<WorkbookPlan> workbooks,
                   std::unique_ptr<TerminalBackend> terminal, ProgramStreams& streams) {
  std::optional<Session> session;
  try {
    session.emplace(ConfigOf(options, std::move(workbooks)));
  } catch (const std::exception& error) {
    terminal.reset();
    NotStarted(error, streams);
    return 3;
  }
  {
    InteractiveMode mode(*session, *terminal);
    try {
      session->Start();
    } catch (const std::exception& error) {
      terminal.reset();
      NotStarted(error, streams);
      return 3;
    }
    mode.Run();
  }
  terminal.reset();
  streams.out << (session->running() ? "A workbook refused to close; Excel quits as the workbench ends.\n"
                                     : "Excel quit.\n");
  for (const auto& note : session->TakeNotes()) streams.out << "  " << note << "\n";
  return 0;
}

}  // namespace

std::u16string DefaultLibrary() {
  const std::u16string file = com::Utf8ToUtf16(CORVANE_WORKBENCH_LIBRARY);
  static const int here = 0;
  return com::FolderOfPath(file).empty() ? com::ModuleSiblingPath(&here, file) : file;
}

int RunProgram(const std::vector<std::string>& arguments, ProgramStreams streams) {
  Options options;
  std::vector<WorkbookPlan> workbooks;
  Script script;
  try {
    options = ParseOptions(arguments);
    if (options.help) {
      streams.out << Usage();
      return 0;
    }
    workbooks = Workbooks(options);
    if (!WantsInteractive(options, streams)) script = ChooseScript(options, streams);
  } catch (const std::exception& error) {
    streams.errors << "corvane-workbench: " << error.what() << "\n";
    if (dynamic_cast<const OptionsError*>(&error)) streams.errors << Usage();
    return 2;
  }
  if (WantsInteractive(options, streams)) {
    std::unique_ptr<TerminalBackend> terminal;
    try {
      terminal = streams.openTerminal();
    } catch (const std::exception& error) {
      streams.errors << "corvane-workbench: " << error.what() << "\n";
      return 2;
    }
    if (terminal) return RunInteractive(options, std::move(workbooks), std::move(terminal), streams);
    script = ChooseScript(options, streams);
  }
  return RunSession(options, std::move(workbooks), script, streams);
}

}  // namespace corvane::workbench
