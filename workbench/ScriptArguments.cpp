#include "workbench/ScriptArguments.h"

#include "platform/com/Text.h"
#include "workbench/ScriptError.h"

namespace corvane::workbench {

void RequireArguments(const Words& words, size_t count, const char* usage) {
  if (words.size() != count + 1) throw ScriptError(std::string("expected: ") + usage);
}

void RequireAtLeast(const Words& words, size_t count, const char* usage) {
  if (words.size() < count + 1) throw ScriptError(std::string("expected: ") + usage);
}

sim::excel::Areas AreasArgument(const std::string& text) {
  const auto rects = sim::excel::ParseAddress(com::Utf8ToUtf16(text));
  if (!rects) throw ScriptError("\"" + text + "\" is no cell address");
  return sim::excel::Areas(*rects);
}

sim::excel::CellRef CellArgument(const std::string& text) {
  const auto areas = AreasArgument(text);
  if (areas.rects().size() != 1 || areas.first_area().count() != 1)
    throw ScriptError("\"" + text + "\" is not one cell");
  return areas.first_cell();
}

std::string Normalized(const sim::excel::Areas& areas) { return com::Utf16ToUtf8(areas.Address()); }

}  // namespace corvane::workbench
