// Owner of one BSTR: frees it once, copies it when copied. Text may hold
// embedded NULs; the BSTR's own length is the truth, not the first NUL.
#pragma once

#include <string>
#include <string_view>

#include "platform/com/com.h"

namespace corvane::com {

class Bstr {
 public:
  Bstr() = default;
  // Allocation failure throws std::bad_alloc; empty text gives an empty
  // (non-null) BSTR, as hosts expect of a value that was set.
  explicit Bstr(std::u16string_view text);
  Bstr(const Bstr& other);
  Bstr(Bstr&& other) noexcept;
  Bstr& operator=(const Bstr& other);
  Bstr& operator=(Bstr&& other) noexcept;
  ~Bstr();

  // Takes over a BSTR the caller owns.
  static Bstr attach(BSTR text);
  BSTR detach();

  BSTR get() const { return text_; }
  // For out parameters: frees what is held and hands out the slot.
  BSTR* put();
  void reset();
  void swap(Bstr& other) noexcept;

  // A new BSTR with the same text for an out parameter the callee owns.
  HRESULT copy_to(BSTR* out) const;

  // Length in UTF-16 units (null counts as empty).
  UINT length() const;
  bool empty() const { return length() == 0; }
  std::u16string_view view() const;
  std::u16string str() const { return std::u16string(view()); }
  explicit operator bool() const { return text_ != nullptr; }

 private:
  static BSTR Allocate(std::u16string_view text);

  BSTR text_ = nullptr;
};

}  // namespace corvane::com
