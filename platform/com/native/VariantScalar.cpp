#include "platform/com/native/VariantScalar.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace corvane::com::native {

namespace {

constexpr int64_t kCurrencyScale = 10000;

struct IntegerType {
  VARTYPE vt;
  long double min;
  long double max;
  unsigned bytes;
  bool isSigned;
};

constexpr IntegerType kIntegerTypes[] = {
    {VT_I1, -128.0L, 127.0L, 1, true},
    {VT_UI1, 0.0L, 255.0L, 1, false},
    {VT_I2, -32768.0L, 32767.0L, 2, true},
    {VT_UI2, 0.0L, 65535.0L, 2, false},
    {VT_I4, -2147483648.0L, 2147483647.0L, 4, true},
    {VT_INT, -2147483648.0L, 2147483647.0L, 4, true},
    {VT_UI4, 0.0L, 4294967295.0L, 4, false},
    {VT_UINT, 0.0L, 4294967295.0L, 4, false},
    {VT_I8, -9223372036854775808.0L, 9223372036854775807.0L, 8, true},
    {VT_UI8, 0.0L, 18446744073709551615.0L, 8, false},
};

const IntegerType* IntegerTypeOf(VARTYPE vt) {
  for (const auto& type : kIntegerTypes) {
    if (type.vt == vt) return &type;
  }
  return nullptr;
}

// Half-to-even division of a currency amount by its scale.
int64_t RoundCurrency(int64_t amount) {
  int64_t whole = amount / kCurrencyScale;
  const int64_t rest = amount % kCurrencyScale;
  const int64_t twice = (rest < 0 ? -rest : rest) * 2;
  if (twice > kCurrencyScale || (twice == kCurrencyScale && (whole % 2 != 0))) whole += (rest < 0) ? -1 : 1;
  return whole;
}

long double ToReal(const Scalar& value) {
  switch (value.kind) {
    case Scalar::Kind::Signed:
      return static_cast<long double>(value.integer);
    case Scalar::Kind::Unsigned:
      return static_cast<long double>(value.unsigned_);
    case Scalar::Kind::Currency:
      return static_cast<long double>(value.integer) / kCurrencyScale;
    case Scalar::Kind::Real:
      break;
  }
  return value.real;
}

// The value as a whole number, rounded half to even; NaN stays NaN.
long double ToWhole(const Scalar& value) {
  if (value.kind == Scalar::Kind::Currency) return static_cast<long double>(RoundCurrency(value.integer));
  if (value.kind == Scalar::Kind::Real) return std::nearbyint(value.real);
  return ToReal(value);
}

void StoreBits(VARIANT& dest, uint64_t bits, unsigned bytes) {
  // Little-endian: the low bytes of the 64-bit slot are the narrower members.
  std::memcpy(&dest.llVal, &bits, bytes);
}

HRESULT WriteInteger(const Scalar& value, const IntegerType& type, VARIANT& dest) {
  if (value.wraps || value.integerBytes == type.bytes) {
    StoreBits(dest, static_cast<uint64_t>(value.integer), type.bytes);
    return S_OK;
  }
  if (value.kind == Scalar::Kind::Unsigned) {
    if (static_cast<long double>(value.unsigned_) > type.max) return DISP_E_OVERFLOW;
    StoreBits(dest, value.unsigned_, type.bytes);
    return S_OK;
  }
  if (value.kind == Scalar::Kind::Signed) {
    if (value.integer < type.min || static_cast<long double>(value.integer) > type.max) return DISP_E_OVERFLOW;
    StoreBits(dest, static_cast<uint64_t>(value.integer), type.bytes);
    return S_OK;
  }
  const long double whole = ToWhole(value);
  if (!(whole >= type.min && whole <= type.max)) return DISP_E_OVERFLOW;
  const uint64_t bits =
      type.isSigned ? static_cast<uint64_t>(static_cast<int64_t>(whole)) : static_cast<uint64_t>(whole);
  StoreBits(dest, bits, type.bytes);
  return S_OK;
}

HRESULT WriteCurrency(const Scalar& value, VARIANT& dest) {
  if (value.kind == Scalar::Kind::Currency) {
    dest.cyVal.int64 = value.integer;
    return S_OK;
  }
  const long double scaled = std::nearbyint(ToReal(value) * kCurrencyScale);
  if (!(scaled >= -9223372036854775808.0L && scaled <= 9223372036854775807.0L)) return DISP_E_OVERFLOW;
  dest.cyVal.int64 = static_cast<int64_t>(scaled);
  return S_OK;
}

}  // namespace

bool IsNumericType(VARTYPE vt) {
  return IntegerTypeOf(vt) || vt == VT_R4 || vt == VT_R8 || vt == VT_CY || vt == VT_DATE || vt == VT_BOOL;
}

bool InDateRange(long double days) {
  constexpr long double kDateMin = -657434.0L;
  constexpr long double kDateMax = 2958465.0L;
  return days > kDateMin - 1 && days < kDateMax + 1;
}

Scalar ReadScalar(const VARIANT& v) {
  Scalar value;
  switch (v.vt) {
    case VT_I1:
      value.integer = v.cVal;
      break;
    case VT_UI1:
      value.integer = v.bVal;
      break;
    case VT_I2:
      value.integer = v.iVal;
      break;
    case VT_UI2:
      value.integer = v.uiVal;
      break;
    case VT_I4:
      value.integer = v.lVal;
      break;
    case VT_INT:
      value.integer = v.intVal;
      break;
    case VT_UI4:
      value.integer = v.ulVal;
      break;
    case VT_UINT:
      value.integer = v.uintVal;
      break;
    case VT_I8:
      value.integer = v.llVal;
      break;
    case VT_UI8:
      value.kind = Scalar::Kind::Unsigned;
      value.unsigned_ = v.ullVal;
      break;
    case VT_BOOL:
      value.integer = v.boolVal;
      value.wraps = true;
      break;
    case VT_R4:
      value.kind = Scalar::Kind::Real;
      value.real = v.fltVal;
      break;
    case VT_R8:
      value.kind = Scalar::Kind::Real;
      value.real = v.dblVal;
      break;
    case VT_DATE:
      value.kind = Scalar::Kind::Real;
      value.real = v.date;
      break;
    case VT_CY:
      value.kind = Scalar::Kind::Currency;
      value.integer = v.cyVal.int64;
      break;
    default:
      break;
  }
  if (const IntegerType* type = IntegerTypeOf(v.vt)) value.integerBytes = type->bytes;
  return value;
}

HRESULT WriteScalar(const Scalar& value, VARTYPE vt, VARIANT& dest) {
  if (const IntegerType* type = IntegerTypeOf(vt)) return WriteInteger(value, *type, dest);
  const long double real = ToReal(value);
  switch (vt) {
    case VT_BOOL:
      dest.boolVal = (real != 0 || std::isnan(real)) ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    case VT_R8:
      dest.dblVal = static_cast<double>(real);
      return S_OK;
    case VT_R4:
      if (std::fabs(real) > FLT_MAX) return DISP_E_OVERFLOW;
      dest.fltVal = static_cast<float>(real);
      return S_OK;
    case VT_DATE:
      if (!InDateRange(real)) return DISP_E_OVERFLOW;
      dest.date = static_cast<double>(real);
      return S_OK;
    case VT_CY:
      return WriteCurrency(value, dest);
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

}  // namespace corvane::com::native
