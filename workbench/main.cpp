// The workbench: a simulated Excel in the terminal that loads Corvane from
// the registry as Office does.
#include <iostream>
#include <string>
#include <vector>

#include "platform/com/com.h"
#include "workbench/Program.h"
#include "workbench/Terminal.h"

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const int result = corvane::workbench::RunProgram(
      arguments, {std::cin, std::cout, std::cerr, corvane::workbench::StandardInputIsTerminal(),
                  corvane::workbench::OpenTerminal});
  CoUninitialize();
  return result;
}
