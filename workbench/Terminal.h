// Whether the workbench talks to a person: standard input is a terminal.
#pragma once

namespace corvane::workbench {

bool StandardInputIsTerminal();

}  // namespace corvane::workbench
