#include "platform/com/Variant.h"

#include <cstring>
#include <utility>

#include "platform/com/ComError.h"
#include "platform/com/Text.h"

namespace corvane::com {
namespace {

// Bytes of the payload a by-reference VARIANT of each type points at.
struct RefPayload {
  VARTYPE type;
  size_t size;
};
constexpr RefPayload kRefPayloads[] = {
    {VT_I1, 1},
    {VT_UI1, 1},
    {VT_I2, 2},
    {VT_UI2, 2},
    {VT_BOOL, 2},
    {VT_I4, 4},
    {VT_UI4, 4},
    {VT_INT, 4},
    {VT_UINT, 4},
    {VT_ERROR, 4},
    {VT_R4, 4},
    {VT_R8, 8},
    {VT_CY, 8},
    {VT_DATE, 8},
    {VT_I8, 8},
    {VT_UI8, 8},
    {VT_BSTR, sizeof(BSTR)},
    {VT_DISPATCH, sizeof(IDispatch*)},
    {VT_UNKNOWN, sizeof(IUnknown*)},
};

size_t RefPayloadSize(VARTYPE type) {
  for (const auto& row : kRefPayloads) {
    if (row.type == type) return row.size;
  }
  throw ComError(DISP_E_BADVARTYPE, u"This by-reference type can not be assigned.");
}

void* Payload(VARIANT& value) { return &value.llVal; }

// The variant calls leave no error info, so none is read (a stale one
// would name the wrong error).
void Check(HRESULT hr) {
  if (FAILED(hr)) throw ComError(hr);
}

Variant Converted(const VARIANT& source, VARTYPE type) {
  // Read through references first, so the conversion sees the value itself.
  const Variant plain = Variant::CopyOf(source);
  Variant result;
  Check(VariantChangeTypeEx(result.get(), plain.get(), LOCALE_USER_DEFAULT, 0, type));
  return result;
}

}  // namespace

Variant::Variant(double number) : Variant() {
  value_.vt = VT_R8;
  value_.dblVal = number;
}

Variant::Variant(std::u16string_view text) : Variant(Bstr(text)) {}

Variant::Variant(Bstr text) : Variant() {
  value_.vt = VT_BSTR;
  value_.bstrVal = text ? text.detach() : Bstr(u"").detach();
}

Variant::Variant(const Variant& other) : Variant() { Check(VariantCopy(&value_, &other.value_)); }

Variant::Variant(Variant&& other) noexcept : Variant() { swap(other); }

Variant& Variant::operator=(const Variant& other) {
  Variant(other).swap(*this);
  return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
  Variant(std::move(other)).swap(*this);
  return *this;
}

Variant::~Variant() { VariantClear(&value_); }

Variant Variant::Omitted() {
  Variant result;
  result.value_.vt = VT_ERROR;
  result.value_.scode = DISP_E_PARAMNOTFOUND;
  return result;
}

Variant Variant::RefTo(VARIANT* target) {
  Variant result;
  result.value_.vt = VT_BYREF | VT_VARIANT;
  result.value_.pvarVal = target;
  return result;
}

Variant Variant::RefTo(VARIANT_BOOL* target) {
  Variant result;
  result.value_.vt = VT_BYREF | VT_BOOL;
  result.value_.pboolVal = target;
  return result;
}

Variant Variant::Adopt(VARIANT& owned) {
  Variant result;
  std::memcpy(&result.value_, &owned, sizeof(VARIANT));
  VariantInit(&owned);
  return result;
}

Variant Variant::CopyOf(const VARIANT& value) {
  Variant result;
  Check(VariantCopyInd(&result.value_, &value));
  return result;
}

VARIANT* Variant::put() {
  reset();
  return &value_;
}

VARIANT Variant::detach() {
  VARIANT result;
  std::memcpy(&result, &value_, sizeof(VARIANT));
  VariantInit(&value_);
  return result;
}

void Variant::reset() { VariantClear(&value_); }

void Variant::swap(Variant& other) noexcept {
  VARIANT held;
  std::memcpy(&held, &value_, sizeof(VARIANT));
  std::memcpy(&value_, &other.value_, sizeof(VARIANT));
  std::memcpy(&other.value_, &held, sizeof(VARIANT));
}

bool Variant::omitted() const { return IsOmitted(value_); }
bool Variant::ToBool() const { return com::ToBool(value_); }
int32_t Variant::ToInt32() const { return com::ToInt32(value_); }
double Variant::ToDouble() const { return com::ToDouble(value_); }
std::u16string Variant::ToText() const { return com::ToText(value_); }
ComPtr<IDispatch> Variant::ToDispatch() const { return com::ToDispatch(value_); }

ComPtr<IUnknown> Variant::ToUnknown() const {
  const Variant result = Converted(value_, VT_UNKNOWN);
  return ComPtr<IUnknown>(result.value_.punkVal);
}

Variant Variant::ConvertedTo(VARTYPE type) const { return Converted(value_, type); }

void Variant::SetInterface(IUnknown* object, bool dispatch) {
  value_.vt = dispatch ? VT_DISPATCH : VT_UNKNOWN;
  value_.punkVal = object;
  if (object) object->AddRef();
}

bool IsOmitted(const VARIANT& value) { return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND; }

bool ToBool(const VARIANT& value) { return Converted(value, VT_BOOL).get()->boolVal != VARIANT_FALSE; }

int32_t ToInt32(const VARIANT& value) { return Converted(value, VT_I4).get()->lVal; }

double ToDouble(const VARIANT& value) { return Converted(value, VT_R8).get()->dblVal; }

std::u16string ToText(const VARIANT& value) {
  const Variant text = Converted(value, VT_BSTR);
  const BSTR bstr = text.get()->bstrVal;
  return std::u16string(from_ole(bstr, bstr ? SysStringLen(bstr) : 0));
}

ComPtr<IDispatch> ToDispatch(const VARIANT& value) {
  const Variant result = Converted(value, VT_DISPATCH);
  return ComPtr<IDispatch>(result.get()->pdispVal);
}

void AssignThroughRef(const VARIANT& reference, const Variant& value) {
  if (!(reference.vt & VT_BYREF) || !reference.byref) {
    throw ComError(DISP_E_TYPEMISMATCH, u"The argument is not passed by reference.");
  }
  const auto type = static_cast<VARTYPE>(reference.vt & ~VT_BYREF);
  if (type == VT_VARIANT) {
    Check(VariantCopy(reference.pvarVal, value.get()));
    return;
  }
  const size_t size = RefPayloadSize(type);
  Variant replacement = value.ConvertedTo(type);
  // The old value moves into a VARIANT of its own so that clearing it frees
  // a string or releases an interface as its type requires.
  Variant old;
  old.get()->vt = type;
  std::memcpy(Payload(*old.get()), reference.byref, size);
  VARIANT fresh = replacement.detach();
  std::memcpy(reference.byref, Payload(fresh), size);
}

}  // namespace corvane::com
