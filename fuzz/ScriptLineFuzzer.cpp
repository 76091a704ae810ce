// The workbench's script lines: splitting into words (LineError for an open
// quote or a carriage return inside the line) and the cell address
// arguments (ScriptError for a bad one). An address that reads writes back
// to one that reads to the same areas.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "workbench/ScriptArguments.h"
#include "workbench/ScriptError.h"
#include "workbench/TextLine.h"

namespace {

using namespace corvane::workbench;

void Address(const std::string& word) {
  std::string normalized;
  try {
    normalized = Normalized(AreasArgument(word));
  } catch (const ScriptError&) {
    return;
  }
  corvane::fuzz::Require(Normalized(AreasArgument(normalized)) == normalized,
                         "a normalized address reads to the same areas");
  try {
    CellArgument(word);
  } catch (const ScriptError&) {
  }
}

// As the runner reads a line: blank ones skipped, the others split into
// words, of which the first names the command.
void Line(const std::string& line) {
  const std::string_view text = Trimmed(line);
  if (text.empty()) return;
  Words words;
  try {
    words = SplitWords(text);
  } catch (const LineError&) {
    return;
  }
  corvane::fuzz::Require(!words.empty(), "a line that is not blank has a command word");
  for (const std::string& word : words) Address(word);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  for (std::string line; std::getline(script, line);) Line(line);
  return 0;
}
