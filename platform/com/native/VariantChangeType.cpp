// VariantChangeType(Ex): the source is dereferenced and converted into a
// temporary, which replaces the destination only on success, so a failed
// conversion leaves the destination as it was and in-place use is safe.
#include <cstring>
#include <string>

#include "platform/com/ComPtr.h"
#include "platform/com/Text.h"
#include "platform/com/native/VariantText.h"
#include "platform/com/native/VariantTypes.h"

using corvane::com::ComPtr;
using corvane::com::ole;
using corvane::com::native::FormatValue;
using corvane::com::native::InterfaceOf;
using corvane::com::native::IsNumericType;
using corvane::com::native::ParseBool;
using corvane::com::native::ParseDate;
using corvane::com::native::ParseNumber;
using corvane::com::native::ReadScalar;
using corvane::com::native::Scalar;
using corvane::com::native::ValidateTargetType;
using corvane::com::native::ValidateVariantType;
using corvane::com::native::WriteScalar;

namespace {

HRESULT Coerce(const VARIANT& value, LCID lcid, USHORT flags, VARTYPE vt, VARIANT& result);

// An object stands for the value of its default member.
HRESULT FetchDefaultValue(IDispatch* object, LCID lcid, VARIANT& value) {
  if (!object) return DISP_E_TYPEMISMATCH;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  value.vt = VT_EMPTY;
  return object->Invoke(DISPID_VALUE, IID_NULL, lcid, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr);
}

HRESULT ToInterface(const VARIANT& value, VARTYPE vt, VARIANT& result) {
  if (value.vt == VT_EMPTY) {
    result.punkVal = nullptr;
    return S_OK;
  }
  IUnknown* object = InterfaceOf(value);
  if (value.vt != VT_UNKNOWN && value.vt != VT_DISPATCH) return DISP_E_TYPEMISMATCH;
  if (!object) {
    result.punkVal = nullptr;
    return S_OK;
  }
  return object->QueryInterface(vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown,
                                reinterpret_cast<void**>(&result.punkVal));
}

HRESULT ToText(const VARIANT& value, USHORT flags, VARIANT& result) {
  std::u16string text;
  if (value.vt != VT_EMPTY) {
    const HRESULT hr = FormatValue(value, flags, text);
    if (FAILED(hr)) return hr;
  }
  result.bstrVal = SysAllocStringLen(ole(text), static_cast<UINT>(text.size()));
  return result.bstrVal ? S_OK : E_OUTOFMEMORY;
}

HRESULT FromText(BSTR text, VARTYPE vt, VARIANT& result) {
  const std::u16string_view view = corvane::com::from_ole(text, SysStringLen(text));
  if (vt == VT_BOOL) return ParseBool(view, result.boolVal);
  if (vt == VT_DATE) return ParseDate(view, result.date);
  Scalar number;
  const HRESULT hr = ParseNumber(view, number);
  return FAILED(hr) ? hr : WriteScalar(number, vt, result);
}

HRESULT ToNumber(const VARIANT& value, VARTYPE vt, VARIANT& result) {
  if (value.vt == VT_BSTR) return FromText(value.bstrVal, vt, result);
  if (value.vt == VT_EMPTY) return WriteScalar(Scalar{}, vt, result);
  if (!IsNumericType(value.vt)) return DISP_E_TYPEMISMATCH;
  return WriteScalar(ReadScalar(value), vt, result);
}

HRESULT CoerceObject(const VARIANT& value, LCID lcid, USHORT flags, VARTYPE vt, VARIANT& result) {
  if (flags & VARIANT_NOVALUEPROP) return DISP_E_TYPEMISMATCH;
  VARIANT fetched;
  HRESULT hr = FetchDefaultValue(value.pdispVal, lcid, fetched);
  if (SUCCEEDED(hr)) hr = Coerce(fetched, lcid, flags | VARIANT_NOVALUEPROP, vt, result);
  VariantClear(&fetched);
  return hr;
}

HRESULT Coerce(const VARIANT& value, LCID lcid, USHORT flags, VARTYPE vt, VARIANT& result) {
  if (value.vt == vt) return VariantCopy(&result, &value);
  if ((vt | value.vt) & VT_ARRAY) return DISP_E_TYPEMISMATCH;
  if (vt == VT_EMPTY || vt == VT_NULL) return S_OK;
  if (value.vt == VT_NULL) return DISP_E_TYPEMISMATCH;
  if (vt == VT_DISPATCH || vt == VT_UNKNOWN) return ToInterface(value, vt, result);
  if (value.vt == VT_DISPATCH) return CoerceObject(value, lcid, flags, vt, result);
  if (vt == VT_BSTR) return ToText(value, flags, result);
  if (IsNumericType(vt)) return ToNumber(value, vt, result);
  return DISP_E_TYPEMISMATCH;
}

}  // namespace

STDAPI VariantChangeTypeEx(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, LCID lcid, USHORT wFlags, VARTYPE vt) {
  if (!pvargDest || !pvarSrc) return E_INVALIDARG;
  HRESULT hr = ValidateVariantType(pvarSrc->vt);
  if (SUCCEEDED(hr)) hr = ValidateTargetType(vt);
  if (FAILED(hr)) return hr;
  if ((pvarSrc->vt & VT_BYREF) && !pvarSrc->byref) return DISP_E_TYPEMISMATCH;
  VARIANT value;
  value.vt = VT_EMPTY;
  hr = VariantCopyInd(&value, pvarSrc);
  if (FAILED(hr)) return hr;
  VARIANT result;
  std::memset(&result, 0, sizeof(result));
  hr = Coerce(value, lcid, wFlags, vt, result);
  VariantClear(&value);
  if (FAILED(hr)) return hr;
  result.vt = vt;
  hr = VariantClear(pvargDest);
  if (FAILED(hr)) {
    VariantClear(&result);
    return hr;
  }
  std::memcpy(pvargDest, &result, sizeof(result));
  return S_OK;
}

STDAPI VariantChangeType(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, USHORT wFlags, VARTYPE vt) {
  return VariantChangeTypeEx(pvargDest, pvarSrc, LOCALE_USER_DEFAULT, wFlags, vt);
}
