#include "platform/com/ComError.h"

#include <cstdio>

#include "platform/com/Text.h"

namespace corvane::com {

ComError::ComError(HRESULT code, std::u16string description, std::u16string source, DWORD helpContext)
    : code_(code),
      description_(std::move(description)),
      source_(std::move(source)),
      helpContext_(helpContext),
      what_(description_.empty() ? "COM error " + HResultText(code) : Utf16ToUtf8(description_)) {}

std::string HResultText(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
  return text;
}

void ThrowQueryFailure(HRESULT hr) { throw ComError(hr); }

}  // namespace corvane::com
