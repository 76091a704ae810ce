// The two ways a sim member fails, as the host's own dispatch does:
//   HostError   an exception raised by the host: Invoke answers
//               DISP_E_EXCEPTION and fills EXCEPINFO (scode, source,
//               description), e.g. 0x800A03EC "Unable to get the PivotTable
//               property of the Range class".
//   InvokeError an HRESULT Invoke returns as it is (a missing argument, a
//               type mismatch, a wrapper whose model object is gone), with
//               the index of the offending argument when there is one.
#pragma once

#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "platform/com/ComError.h"
#include "platform/com/com.h"

namespace corvane::sim {

// The code Excel raises for most refused operations.
inline constexpr HRESULT kExcelError = static_cast<HRESULT>(0x800A03EC);
// A call on a wrapper whose model object is gone (closed workbook, deleted
// control): the host's objects answer as disconnected.
inline constexpr HRESULT kDisconnected = static_cast<HRESULT>(0x80010108);

// A ComError, so that the platform's boundary guard reports it with its
// code and text wherever the sim is called outside Invoke.
class HostError : public com::ComError {
 public:
  // An empty source means the source of the object's type.
  explicit HostError(std::u16string description, HRESULT code = kExcelError, std::u16string source = {})
      : ComError(code, std::move(description), std::move(source)) {}
};

class InvokeError : public std::exception {
 public:
  explicit InvokeError(HRESULT code, std::optional<UINT> argument = std::nullopt);

  HRESULT code() const { return code_; }
  // Index into DISPPARAMS.rgvarg (last-first), for Invoke's puArgErr.
  const std::optional<UINT>& argument() const { return argument_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  HRESULT code_;
  std::optional<UINT> argument_;
  std::string what_;
};

// The model object behind a wrapper, or InvokeError(kDisconnected) when it
// is gone.
template <class Model>
std::shared_ptr<Model> Alive(const std::weak_ptr<Model>& model) {
  auto locked = model.lock();
  if (!locked) throw InvokeError(kDisconnected);
  return locked;
}

}  // namespace corvane::sim
