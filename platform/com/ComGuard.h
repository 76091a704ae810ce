// The boundary guard: code called by a host or by the COM runtime runs
// inside one of these, so that no C++ exception crosses into the caller.
//
//   Guard(body)            the HRESULT of the exception, with the thread's
//                          error info set from it; S_OK (or the body's own
//                          HRESULT) when it returns.
//   GuardCode(body)        the same HRESULT, the thread's error info left
//                          alone: for a caller that reads errors elsewhere
//                          (the simulated host answers through EXCEPINFO).
//   GuardFixed(result, body, report)
//                          for boundaries that promise one result on any
//                          error (E_FAIL for the server exports, S_OK for
//                          event sinks): the exception goes to `report`
//                          (when given) and no error info is set.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/com/com.h"

namespace corvane::com {

// What a caught exception becomes at a boundary.
struct BoundaryError {
  HRESULT code;
  std::u16string description;
  std::u16string source;
  DWORD helpContext;
};

// Classifies the exception in flight (call only inside a catch block): a
// ComError (registry and design errors included) keeps its HRESULT, a
// framework error (its number is no HRESULT) and any other exception become
// E_UNEXPECTED, std::bad_alloc E_OUTOFMEMORY; the description is the
// exception's text.
BoundaryError DescribeCurrentException() noexcept;

// Replaces the thread's error info with this description; false when the
// runtime could not make one.
bool SetThreadErrorInfo(std::u16string_view description, std::u16string_view source, DWORD helpContext) noexcept;

// Classifies the exception in flight, sets the thread's error info from it
// (source defaulting to `source`) and returns its HRESULT.
HRESULT ReportCurrentException(std::u16string_view source = {}) noexcept;

namespace detail {
// A body may return its own HRESULT or nothing (then S_OK).
template <class F>
HRESULT RunBody(F&& body) {
  if constexpr (std::is_same_v<std::invoke_result_t<F>, HRESULT>) {
    return std::forward<F>(body)();
  } else {
    std::forward<F>(body)();
    return S_OK;
  }
}
}  // namespace detail

template <class F>
HRESULT Guard(F&& body, std::u16string_view source = {}) noexcept {
  try {
    return detail::RunBody(std::forward<F>(body));
  } catch (...) {
    return ReportCurrentException(source);
  }
}

template <class F>
HRESULT GuardCode(F&& body) noexcept {
  try {
    return detail::RunBody(std::forward<F>(body));
  } catch (...) {
    return DescribeCurrentException().code;
  }
}

// `report` receives the exception; an exception it raises itself is dropped.
template <class F, class R>
HRESULT GuardFixed(HRESULT onError, F&& body, R&& report) noexcept {
  try {
    return detail::RunBody(std::forward<F>(body));
  } catch (...) {
    try {
      std::forward<R>(report)(std::current_exception());
    } catch (...) {
    }
    return onError;
  }
}

template <class F>
HRESULT GuardFixed(HRESULT onError, F&& body) noexcept {
  return GuardFixed(onError, std::forward<F>(body), [](std::exception_ptr) {});
}

}  // namespace corvane::com
