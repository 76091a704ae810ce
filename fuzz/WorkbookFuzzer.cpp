// The workbench's workbook reader: a damaged file is a WorkbookError naming
// the line; whatever reads lays its tables out.
#include <cstdint>
#include <sstream>
#include <string>

#include "workbench/WorkbookReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    corvane::workbench::WorkbookReader("fuzz.workbook").Read(in);
  } catch (const corvane::workbench::WorkbookError&) {
  }
  return 0;
}
