// On Windows the add-in reads the system's own regional settings, which the
// workbench leaves alone.
#include <io.h>

#include "workbench/Locales.h"
#include "workbench/Terminal.h"

namespace corvane::workbench {

bool SetMachineDecimalSeparator(char16_t) { return false; }

bool StandardInputIsTerminal() { return _isatty(0) != 0; }

// The interactive mode is the native build's.
std::unique_ptr<TerminalBackend> OpenTerminal() { return nullptr; }

}  // namespace corvane::workbench
