#include "platform/com/native/VariantText.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/com/Text.h"

namespace corvane::com::native {

namespace {

constexpr char kDecimal = '.';
constexpr char kThousands = ',';

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// Real numbers carry 15 significant digits (7 for singles) in the shortest
// of fixed and exponent notation, as "%G" gives them.
std::string FormatReal(double value, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  std::string text(buffer);
  for (char& c : text) {
    if (c == '.') c = kDecimal;
  }
  return text;
}

std::string FormatCurrency(int64_t amount) {
  const bool negative = amount < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(amount) : static_cast<uint64_t>(amount);
  std::string text = std::to_string(magnitude / 10000);
  std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += kDecimal + fraction;
  return negative ? "-" + text : text;
}

std::string FormatBool(VARIANT_BOOL value, USHORT flags) {
  if (flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL)) return value ? "True" : "False";
  return value ? "-1" : "0";
}

bool IsSpace(char16_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char16_t c) { return c >= '0' && c <= '9'; }

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// Appends a run of digits (thousands separators allowed when asked) to out;
// returns how many digits were read.
size_t TakeDigits(std::u16string_view& text, std::string& out, bool thousands) {
  size_t digits = 0;
  while (!text.empty() && (IsDigit(text.front()) || (thousands && digits && text.front() == kThousands))) {
    if (text.front() != kThousands) {
      out += static_cast<char>(text.front());
      ++digits;
    }
    text.remove_prefix(1);
  }
  return digits;
}

HRESULT ParseRadix(std::u16string_view digits, int radix, Scalar& out) {
  if (digits.empty() || digits.size() > 16) return DISP_E_TYPEMISMATCH;
  std::string ascii;
  for (char16_t c : digits) {
    if (c > 0x7F) return DISP_E_TYPEMISMATCH;
    ascii += static_cast<char>(c);
  }
  char* end = nullptr;
  const unsigned long long value = std::strtoull(ascii.c_str(), &end, radix);
  if (*end) return DISP_E_TYPEMISMATCH;
  out = Scalar{};
  out.kind = Scalar::Kind::Unsigned;
  out.unsigned_ = value;
  return S_OK;
}

}  // namespace

HRESULT FormatValue(const VARIANT& v, USHORT flags, std::u16string& out) {
  const Scalar value = ReadScalar(v);
  switch (v.vt) {
    case VT_R4:
      out = Widen(FormatReal(v.fltVal, 7));
      return S_OK;
    case VT_R8:
      out = Widen(FormatReal(v.dblVal, 15));
      return S_OK;
    case VT_CY:
      out = Widen(FormatCurrency(v.cyVal.int64));
      return S_OK;
    case VT_BOOL:
      out = Widen(FormatBool(v.boolVal, flags));
      return S_OK;
    case VT_DATE:
      return FormatDate(v.date, out);
    case VT_UI8:
      out = Widen(std::to_string(value.unsigned_));
      return S_OK;
    default:
      break;
  }
  if (!IsNumericType(v.vt)) return DISP_E_TYPEMISMATCH;
  out = Widen(std::to_string(value.integer));
  return S_OK;
}

HRESULT ParseNumber(std::u16string_view text, Scalar& out) {
  text = Trim(text);
  if (text.size() > 2 && text[0] == '&') {
    const char16_t radix = text[1] | 0x20;
    if (radix == 'h') return ParseRadix(text.substr(2), 16, out);
    if (radix == 'o') return ParseRadix(text.substr(2), 8, out);
  }
  std::string ascii;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    ascii += static_cast<char>(text.front());
    text.remove_prefix(1);
  }
  size_t digits = TakeDigits(text, ascii, true);
  if (!text.empty() && text.front() == kDecimal) {
    ascii += '.';
    text.remove_prefix(1);
    digits += TakeDigits(text, ascii, false);
  }
  if (!digits) return DISP_E_TYPEMISMATCH;
  if (!text.empty() && (text.front() == 'e' || text.front() == 'E' || text.front() == 'd' || text.front() == 'D')) {
    ascii += 'e';
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
      ascii += static_cast<char>(text.front());
      text.remove_prefix(1);
    }
    if (!TakeDigits(text, ascii, false)) return DISP_E_TYPEMISMATCH;
  }
  if (!text.empty()) return DISP_E_TYPEMISMATCH;
  out = Scalar{};
  out.kind = Scalar::Kind::Real;
  out.real = std::strtold(ascii.c_str(), nullptr);
  return S_OK;
}

HRESULT ParseBool(std::u16string_view text, VARIANT_BOOL& out) {
  const std::u16string_view trimmed = Trim(text);
  if (AsciiEqualNoCase(trimmed, u"True") || AsciiEqualNoCase(trimmed, u"#TRUE#")) {
    out = VARIANT_TRUE;
    return S_OK;
  }
  if (AsciiEqualNoCase(trimmed, u"False") || AsciiEqualNoCase(trimmed, u"#FALSE#")) {
    out = VARIANT_FALSE;
    return S_OK;
  }
  Scalar number;
  const HRESULT hr = ParseNumber(text, number);
  if (FAILED(hr)) return hr;
  VARIANT result;
  result.vt = VT_BOOL;
  WriteScalar(number, VT_BOOL, result);
  out = result.boolVal;
  return S_OK;
}

}  // namespace corvane::com::native
