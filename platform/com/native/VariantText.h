// Text forms of VARIANT values, as VariantChangeType writes and reads them
// for the user default locale (here: "." decimals, "," thousands, English
// month/day/year dates and True/False).
#pragma once

#include <string>
#include <string_view>

#include "platform/com/native/VariantScalar.h"

namespace corvane::com::native {

// Text of a by-value numeric, BOOL or DATE VARIANT.
HRESULT FormatValue(const VARIANT& v, USHORT flags, std::u16string& out);

// A number as typed: spaces, sign, digits with thousands separators, a
// decimal part and an exponent, or &H/&O hex and octal. DISP_E_TYPEMISMATCH
// for other text.
HRESULT ParseNumber(std::u16string_view text, Scalar& out);

// "True"/"False" (any case) or a number, nonzero meaning true.
HRESULT ParseBool(std::u16string_view text, VARIANT_BOOL& out);

// Days since 30 December 1899 with the time as fraction, and back.
// E_INVALIDARG for a date out of range, as Windows answers.
HRESULT FormatDate(DATE date, std::u16string& out);
HRESULT ParseDate(std::u16string_view text, DATE& out);

}  // namespace corvane::com::native
