// The arguments of one IDispatch::Invoke built from fuzz bytes: any count,
// VARIANTs of any type (by value, by reference to storage of its own or to
// null, arrays, types no host sends), named arguments in and out of range,
// null argument arrays. Owns everything it hands out, by-reference storage
// a callee wrote back to included, and frees it when it goes.
#pragma once

#include <cstdint>
#include <vector>

#include "fuzz/ByteSource.h"
#include "platform/com/com.h"

namespace corvane::fuzz {

class FuzzDispParams {
 public:
  // objects: what an interface argument may point at (null among them).
  FuzzDispParams(ByteSource& input, const std::vector<IDispatch*>& objects);
  ~FuzzDispParams();
  FuzzDispParams(const FuzzDispParams&) = delete;
  FuzzDispParams& operator=(const FuzzDispParams&) = delete;

  // Null when the input chose to pass no DISPPARAMS at all.
  DISPPARAMS* get() { return present_ ? &params_ : nullptr; }

 private:
  // Where a by-reference argument points; freed after the call, as the
  // caller of Invoke would.
  struct Slot {
    VARIANT variant;
    BSTR text = nullptr;
    IDispatch* object = nullptr;
    alignas(16) uint8_t scalar[16] = {};
  };

  VARTYPE PickType();
  void Fill(VARIANT& value, Slot& slot);
  void Plain(VARIANT& value, VARTYPE type);
  void Reference(VARIANT& value, VARTYPE type, Slot& slot);
  SAFEARRAY* Array(VARTYPE type);

  ByteSource& input_;
  const std::vector<IDispatch*>& objects_;
  std::vector<VARIANT> arguments_;
  std::vector<bool> owned_;  // the argument itself holds what it points to
  std::vector<Slot> slots_;
  std::vector<DISPID> named_;
  DISPPARAMS params_{};
  bool present_ = true;
};

}  // namespace corvane::fuzz
