// The arguments of one incoming call, in natural order (DISPPARAMS holds
// them last-first), borrowed for the length of the call.
//
//   args.size()              positional arguments given (omitted ones count)
//   args[0].Int()            a required argument: DISP_E_PARAMNOTFOUND when
//                            missing, DISP_E_TYPEMISMATCH when it does not
//                            convert (both with the argument's index)
//   args[1].Int(3)           an optional one with its default
//   args[2].present()        given and not VT_ERROR/DISP_E_PARAMNOTFOUND
//   args[2].Assign(true)     writes through a by-reference argument
//   args.value().Text()      the value of a property put
//   args.locale()            the caller's locale id (Invoke's lcid)
#pragma once

#include <cstdint>
#include <string>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"
#include "platform/com/com.h"

namespace corvane::sim {

class Arg {
 public:
  // value null: not given at all. position: its index in rgvarg.
  Arg(const VARIANT* value, UINT position) : value_(value), position_(position) {}

  bool present() const;
  bool omitted() const { return !present(); }
  bool byRef() const;
  // The argument's own type, through a reference; VT_EMPTY when missing.
  VARTYPE type() const;

  int32_t Int() const;
  int32_t Int(int32_t fallback) const;
  bool Bool() const;
  bool Bool(bool fallback) const;
  double Double() const;
  double Double(double fallback) const;
  std::u16string Text() const;
  std::u16string Text(const std::u16string& fallback) const;
  // An object argument; null for Nothing (VT_DISPATCH null or VT_EMPTY).
  com::ComPtr<IDispatch> Object() const;
  // A copy of the value (through a reference); Omitted() when missing.
  com::Variant Copy() const;

  // Stores a value where a by-reference argument points, converted to its
  // type. DISP_E_TYPEMISMATCH when the argument is not a reference.
  void Assign(const com::Variant& value) const;

 private:
  const VARIANT& Required() const;
  template <class F>
  auto Converted(F convert) const;

  const VARIANT* value_;
  UINT position_;
};

class Args {
 public:
  // The caller (the dispatch base) has checked the named arguments: with
  // hasValue, rgvarg[0] is the DISPID_PROPERTYPUT value.
  Args(const DISPPARAMS& params, bool hasValue, LCID locale = LOCALE_USER_DEFAULT);

  UINT size() const { return positional_; }
  // Beyond size(): a missing argument.
  Arg operator[](UINT index) const;
  // The put value; missing outside a put.
  Arg value() const;
  LCID locale() const { return locale_; }

 private:
  const DISPPARAMS& params_;
  bool hasValue_;
  UINT positional_;
  LCID locale_;
};

}  // namespace corvane::sim
