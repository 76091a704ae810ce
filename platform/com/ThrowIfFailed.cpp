// Kept apart from ComError.cpp, which the registry library builds: reading
// the thread's error info needs the COM runtime.
#include "platform/com/Bstr.h"
#include "platform/com/ComError.h"
#include "platform/com/ComPtr.h"

namespace corvane::com {

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
