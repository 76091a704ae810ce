// Whether the workbench talks to a person: standard input is a terminal;
// and that terminal for the interactive mode (null where the build has
// none).
#pragma once

#include <memory>

#include "workbench/interactive/TerminalBackend.h"

namespace corvane::workbench {

bool StandardInputIsTerminal();
// std::runtime_error when the terminal cannot be used.
std::unique_ptr<TerminalBackend> OpenTerminal();

}  // namespace corvane::workbench
