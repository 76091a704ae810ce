// A failure of a command bar operation, as Office reports it: an HRESULT and
// a text. A host error, so that a member of the COM objects that lets it
// through fails with that code and text as Office's own objects do.
#pragma once

#include <cstdint>
#include <string>

#include "platform/com/Text.h"
#include "sim/core/HostError.h"

namespace corvane::sim::office {

// The source text of Office's errors.
inline constexpr char16_t kOfficeSource[] = u"Office";

class OfficeError : public HostError {
 public:
  OfficeError(int32_t code, const std::string& text)
      : HostError(com::Utf8ToUtf16(text), static_cast<HRESULT>(code), kOfficeSource) {}
};

// Office's codes: a bad argument, and an operation on something gone or
// refused in its state.
inline constexpr int32_t kInvalidArgument = static_cast<int32_t>(0x80070057);
inline constexpr int32_t kOperationFailed = static_cast<int32_t>(0x80004005);

[[noreturn]] void ThrowInvalidArgument(const std::string& text);
[[noreturn]] void ThrowFailed(const std::string& text);

}  // namespace corvane::sim::office
