#include "framework/design/DesignError.h"

#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

std::string Compose(const std::string& design, int line, const std::string& place, const std::string& what) {
  std::string text = design + " design";
  if (line > 0) text += ", line " + std::to_string(line);
  if (!place.empty()) text += ", " + place;
  return text + ": " + what;
}

}  // namespace

DesignError::DesignError(std::string design, int line, std::string place, std::string what)
    : com::ComError(HRESULT_FROM_WIN32(ERROR_INVALID_DATA), com::Utf8ToUtf16(Compose(design, line, place, what))),
      design_(std::move(design)),
      line_(line),
      place_(std::move(place)),
      what_(std::move(what)) {}

}  // namespace corvane::framework
