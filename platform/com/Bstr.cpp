#include "platform/com/Bstr.h"

#include <new>
#include <utility>

#include "platform/com/Text.h"

namespace corvane::com {

BSTR Bstr::Allocate(std::u16string_view text) {
  // A null data pointer would make SysAllocStringLen hand out uninitialised
  // units; an empty view still needs a real empty BSTR.
  static const char16_t kEmpty[] = u"";
  const char16_t* data = text.empty() ? kEmpty : text.data();
  BSTR result = SysAllocStringLen(ole(data), static_cast<UINT>(text.size()));
  if (!result) throw std::bad_alloc();
  return result;
}

Bstr::Bstr(std::u16string_view text) : text_(Allocate(text)) {}

Bstr::Bstr(const Bstr& other) : text_(other.text_ ? Allocate(other.view()) : nullptr) {}

Bstr::Bstr(Bstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}

Bstr& Bstr::operator=(const Bstr& other) {
  Bstr(other).swap(*this);
  return *this;
}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
  Bstr(std::move(other)).swap(*this);
  return *this;
}

Bstr::~Bstr() { reset(); }

Bstr Bstr::attach(BSTR text) {
  Bstr result;
  result.text_ = text;
  return result;
}

BSTR Bstr::detach() { return std::exchange(text_, nullptr); }

BSTR* Bstr::put() {
  reset();
  return &text_;
}

void Bstr::reset() {
  if (BSTR old = std::exchange(text_, nullptr)) SysFreeString(old);
}

void Bstr::swap(Bstr& other) noexcept { std::swap(text_, other.text_); }

HRESULT Bstr::copy_to(BSTR* out) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!text_) return S_OK;
  *out = SysAllocStringLen(text_, length());
  return *out ? S_OK : E_OUTOFMEMORY;
}

UINT Bstr::length() const { return text_ ? SysStringLen(text_) : 0; }

std::u16string_view Bstr::view() const { return from_ole(text_, length()); }

}  // namespace corvane::com
