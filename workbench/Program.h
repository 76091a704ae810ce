// The workbench program without its process: reads the options and the
// workbooks (a bad file stops it before the data folder is touched),
// starts the session and runs the script, the tour, or (with a terminal
// and nothing else asked) the tour with a note that the interactive mode
// is not built yet. Returns the exit status: 0, 1 for a failed script
// line, 2 for bad options or workbooks, 3 when Excel or Corvane cannot
// start.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace corvane::workbench {

struct ProgramStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& errors;
  bool inIsTerminal = false;
};

int RunProgram(const std::vector<std::string>& arguments, ProgramStreams streams);

// The add-in library built with the workbench.
std::u16string DefaultLibrary();

}  // namespace corvane::workbench
