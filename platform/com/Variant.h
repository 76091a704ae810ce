// Owner of one VARIANT: initialised on construction, cleared on destruction,
// built from the values the system passes to and gets from its hosts.
// Reading a value converts through VariantChangeType, so a host may answer
// with any type that converts; a failed conversion throws ComError.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/com/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Text.h"
#include "platform/com/com.h"

namespace corvane::com {

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  // Only a real bool becomes VT_BOOL: pointers and numbers must not slip in.
  template <class T>
  requires std::same_as<T, bool> Variant(T flag) : Variant() {
    value_.vt = VT_BOOL;
    value_.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
  }
  // Integers up to 32 bits become VT_I4.
  template <class T>
  requires(std::integral<T> && !std::same_as<T, bool> && sizeof(T) <= 4) Variant(T number) : Variant() {
    value_.vt = VT_I4;
    value_.lVal = static_cast<LONG>(number);
  }
  Variant(double number);
  Variant(std::u16string_view text);
  Variant(const std::u16string& text) : Variant(std::u16string_view(text)) {}
  Variant(const char16_t* text) : Variant(std::u16string_view(text ? text : u"")) {}
  // OLESTR("...") literals on the Windows build, where OLECHAR is wchar_t.
  template <class C>
  requires(std::same_as<C, OLECHAR> && !std::same_as<C, char16_t>) Variant(const C* text) : Variant(from_ole(text)) {}
  Variant(Bstr text);
  // Interfaces are shared (AddRef); VT_DISPATCH for IDispatch and the
  // interfaces derived from it, VT_UNKNOWN otherwise.
  template <class I>
  requires std::derived_from<I, IUnknown> Variant(I* object) : Variant() {
    SetInterface(object, std::is_base_of_v<IDispatch, I>);
  }
  template <class I>
  Variant(const ComPtr<I>& object) : Variant(object.get()) {}

  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  // An optional argument left out: VT_ERROR with DISP_E_PARAMNOTFOUND.
  static Variant Omitted();
  // References for by-reference arguments; the target must outlive the use.
  static Variant RefTo(VARIANT* target);
  static Variant RefTo(VARIANT_BOOL* target);
  // Takes over the contents of a VARIANT the caller owns (which is left empty).
  static Variant Adopt(VARIANT& owned);
  // A copy of the value a by-reference VARIANT points at (or of a plain one).
  static Variant CopyOf(const VARIANT& value);

  const VARIANT* get() const { return &value_; }
  VARIANT* get() { return &value_; }
  // For out parameters: clears what is held and hands out the VARIANT.
  VARIANT* put();
  VARIANT detach();
  void reset();
  void swap(Variant& other) noexcept;

  VARTYPE type() const { return value_.vt; }
  bool empty() const { return value_.vt == VT_EMPTY; }
  bool omitted() const;

  bool ToBool() const;
  int32_t ToInt32() const;
  double ToDouble() const;
  std::u16string ToText() const;
  ComPtr<IDispatch> ToDispatch() const;
  ComPtr<IUnknown> ToUnknown() const;
  // This value converted to another type; ComError when it does not convert.
  Variant ConvertedTo(VARTYPE type) const;

 private:
  void SetInterface(IUnknown* object, bool dispatch);

  VARIANT value_;
};

// Readers for VARIANTs the system does not own (DISPPARAMS arguments of an
// incoming call); by-reference values are read through their reference.
bool IsOmitted(const VARIANT& value);
bool ToBool(const VARIANT& value);
int32_t ToInt32(const VARIANT& value);
double ToDouble(const VARIANT& value);
std::u16string ToText(const VARIANT& value);
ComPtr<IDispatch> ToDispatch(const VARIANT& value);

// Writes a value through a by-reference argument (VT_BYREF | type), converted
// to the referenced type; the value held there before is released. ComError
// (DISP_E_TYPEMISMATCH) when the argument is not a reference.
void AssignThroughRef(const VARIANT& reference, const Variant& value);

}  // namespace corvane::com
