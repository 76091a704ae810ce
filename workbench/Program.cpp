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
    if (!options.tour) streams.out << "The interactive mode is not built yet; here is the tour instead.\n";
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

int RunSession(const Options& options, std::vector<WorkbookPlan> workbooks, Script& script, ProgramStreams& streams) {
  std::optional<Session> session;
  try {
    SessionConfig config{DataFolder::Resolve(options.data),
                         options.library ? com::Utf8ToUtf16(*options.library) : DefaultLibrary(), std::move(workbooks)};
    session.emplace(std::move(config));
    session->Start();
  } catch (const std::exception& error) {
    streams.errors << "corvane-workbench: Excel with Corvane did not start: " << error.what() << "\n";
    return 3;
  }
  ScriptRunner runner(*session, streams.out, streams.errors);
  const int result = runner.Run(*script.stream, script.name);
  streams.out << "> (end of " << script.name << ": Excel quits)\n";
  session->Quit();
  for (const auto& note : session->TakeNotes()) streams.out << "  " << note << "\n";
  return result;
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
    script = ChooseScript(options, streams);
  } catch (const std::exception& error) {
    streams.errors << "corvane-workbench: " << error.what() << "\n";
    if (dynamic_cast<const OptionsError*>(&error)) streams.errors << Usage();
    return 2;
  }
  return RunSession(options, std::move(workbooks), script, streams);
}

}  // namespace corvane::workbench
