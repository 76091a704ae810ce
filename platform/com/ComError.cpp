#include "platform/com/ComError.h"

#include <cstdio>

#include "platform/com/Bstr.h"
#include "platform/com/ComPtr.h"
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

HRESULT ThrowIfFailed(HRESULT hr) {
  if (SUCCEEDED(hr)) return hr;
  ComPtr<IErrorInfo> info;
  std::u16string description;
  std::u16string source;
  DWORD helpContext = 0;
  if (GetErrorInfo(0, info.put()) == S_OK && info) {
    Bstr text;
    if (SUCCEEDED(info->GetDescription(text.put()))) description = text.str();
    if (SUCCEEDED(info->GetSource(text.put()))) source = text.str();
    info->GetHelpContext(&helpContext);
  }
  throw ComError(hr, std::move(description), std::move(source), helpContext);
}

}  // namespace corvane::com
