// Numeric values read out of a VARIANT and stored back as another numeric
// type, with Windows' rounding (half to even) and overflow rules.
#pragma once

#include <cstdint>

#include "platform/com/com.h"

namespace corvane::com::native {

struct Scalar {
  enum class Kind { Signed, Unsigned, Real, Currency };
  Kind kind = Kind::Signed;
  int64_t integer = 0;     // Signed, and Currency in ten-thousandths
  uint64_t unsigned_ = 0;  // Unsigned
  long double real = 0;    // Real
  // Booleans convert to integer types by truncation, not range checking.
  bool wraps = false;
  // Width of an integer source (0 otherwise): between signed and unsigned
  // integers of one width the bits pass through unchecked, as Windows does.
  unsigned integerBytes = 0;
};

// True for the numeric types (integers, R4, R8, CY, DATE, BOOL).
bool IsNumericType(VARTYPE vt);

// True for the days a DATE may hold: 1 January 100 to 31 December 9999
// (the last day's hours included); false for NaN.
bool InDateRange(long double days);

// Reads a by-value numeric VARIANT.
Scalar ReadScalar(const VARIANT& v);

// Stores a value as numeric type vt into dest (type tag left to the caller).
// DISP_E_OVERFLOW when it does not fit.
HRESULT WriteScalar(const Scalar& value, VARTYPE vt, VARIANT& dest);

}  // namespace corvane::com::native
