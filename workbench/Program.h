// The workbench program without its process: reads the options and the
// workbooks (a bad file stops it before the data folder is touched),
// starts the session and runs the script, the tour, or (with a terminal
// and nothing else asked) the interactive mode on the terminal it opens
// (where the build has none, the tour with a note saying so). Returns the
// exit status: 0, 1 for a failed script line, 2 for bad options or
// workbooks, 3 when Excel or Corvane cannot start.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace corvane::workbench {

class TerminalBackend;

struct ProgramStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& errors;
  bool inIsTerminal = false;
  // The terminal for the interactive mode; null or returning null: none.
  std::function<std::unique_ptr<TerminalBackend>()> openTerminal;
};

int RunProgram(const std::vector<std::string>& arguments, ProgramStreams streams);

// The add-in library built with the workbench.
std::u16string DefaultLibrary();

}  // namespace corvane::workbench
