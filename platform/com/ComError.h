// The one exception type of the system: a failing HRESULT from a host call,
// a registry or design failure with the HRESULT that fits it, or a
// framework error with its number (31100 range) and message, raised "as a
// COM system error". The boundary guard (ComGuard.h) turns it back into an
// HRESULT with error info.
#pragma once

#include <exception>
#include <string>

#include "platform/com/com.h"

namespace corvane::com {

class ComError : public std::exception {
 public:
  explicit ComError(HRESULT code, std::u16string description = {}, std::u16string source = {}, DWORD helpContext = 0);

  // The failing HRESULT, or a framework error's number.
  HRESULT code() const { return code_; }
  // What a boundary reports: the HRESULT, E_UNEXPECTED for a framework
  // error (its number is no HRESULT).
  HRESULT hresult() const { return FAILED(code_) ? code_ : E_UNEXPECTED; }
  const std::u16string& description() const { return description_; }
  const std::u16string& source() const { return source_; }
  DWORD helpContext() const { return helpContext_; }
  // UTF-8 description, or the code in hex when there is no description.
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  HRESULT code_;
  std::u16string description_;
  std::u16string source_;
  DWORD helpContext_;
  std::string what_;
};

// Throws ComError for a failing HRESULT, with the thread's error info when
// the callee left some; returns the (successful) HRESULT otherwise.
HRESULT ThrowIfFailed(HRESULT hr);

// "0x80004005"-style text of an HRESULT.
std::string HResultText(HRESULT hr);

}  // namespace corvane::com
