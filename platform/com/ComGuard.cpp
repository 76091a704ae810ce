#include "platform/com/ComGuard.h"

#include <new>

#include "platform/com/ComError.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Text.h"

namespace corvane::com {
namespace {

constexpr char16_t kUnknownException[] = u"An unknown exception was raised.";

BoundaryError FromComError(const ComError& error) {
  return {error.hresult(), error.description(), error.source(), error.helpContext()};
}

BoundaryError FromException(HRESULT code, const std::exception& error) {
  return {code, Utf8ToUtf16(error.what()), {}, 0};
}

}  // namespace

BoundaryError DescribeCurrentException() noexcept {
  if (!std::current_exception()) return {E_UNEXPECTED, kUnknownException, {}, 0};
  try {
    try {
      throw;
    } catch (const ComError& error) {
      return FromComError(error);
    } catch (const std::bad_alloc& error) {
      return FromException(E_OUTOFMEMORY, error);
    } catch (const std::exception& error) {
      return FromException(E_UNEXPECTED, error);
    } catch (...) {
      return {E_UNEXPECTED, kUnknownException, {}, 0};
    }
  } catch (...) {
    // Copying the texts ran out of memory: the code alone must do.
    return {E_OUTOFMEMORY, {}, {}, 0};
  }
}

bool SetThreadErrorInfo(std::u16string_view description, std::u16string_view source, DWORD helpContext) noexcept {
  try {
    ComPtr<ICreateErrorInfo> creator;
    if (FAILED(CreateErrorInfo(creator.put())) || !creator) return false;
    const std::u16string descriptionText(description);
    const std::u16string sourceText(source);
    creator->SetDescription(ole_mutable(descriptionText));
    creator->SetSource(ole_mutable(sourceText));
    creator->SetHelpContext(helpContext);
    const auto info = creator.try_query<IErrorInfo>();
    return info && SUCCEEDED(SetErrorInfo(0, info.get()));
  } catch (...) {
    return false;
  }
}

HRESULT ReportCurrentException(std::u16string_view source) noexcept {
  const BoundaryError error = DescribeCurrentException();
  SetThreadErrorInfo(error.description, error.source.empty() ? source : std::u16string_view(error.source),
                     error.helpContext);
  return error.code;
}

}  // namespace corvane::com
