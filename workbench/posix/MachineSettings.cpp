// The portable user interface's stand-in for the machine's settings.
#include <string>

#include "platform/ui/portable/Simulation.h"
#include "workbench/Locales.h"
#include "workbench/Terminal.h"

#include <unistd.h>

namespace corvane::workbench {

bool SetMachineDecimalSeparator(char16_t separator) {
  ui::SetDecimalSeparator(std::u16string(1, separator));
  return true;
}

bool StandardInputIsTerminal() { return isatty(0) != 0; }

}  // namespace corvane::workbench
