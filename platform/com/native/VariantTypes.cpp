#include "platform/com/native/VariantTypes.h"

namespace corvane::com::native {

namespace {

constexpr VARTYPE kClsid = 72;  // VT_CLSID: held by reference only in practice

// Base types below VT_VOID, except the unused 15.
bool IsScalarBase(VARTYPE base) { return base < VT_VOID && base != 15; }

struct SizedType {
  VARTYPE vt;
  ULONG size;
};

constexpr SizedType kValueSizes[] = {
    {VT_I1, 1},
    {VT_UI1, 1},
    {VT_I2, 2},
    {VT_UI2, 2},
    {VT_BOOL, sizeof(VARIANT_BOOL)},
    {VT_I4, 4},
    {VT_UI4, 4},
    {VT_INT, 4},
    {VT_UINT, 4},
    {VT_R4, 4},
    {VT_ERROR, sizeof(SCODE)},
    {VT_R8, 8},
    {VT_CY, sizeof(CY)},
    {VT_DATE, sizeof(DATE)},
    {VT_I8, 8},
    {VT_UI8, 8},
    {VT_DECIMAL, sizeof(DECIMAL)},
    {VT_BSTR, sizeof(BSTR)},
    {VT_VARIANT, sizeof(VARIANT)},
    {VT_UNKNOWN, sizeof(IUnknown*)},
    {VT_DISPATCH, sizeof(IDispatch*)},
};

}  // namespace

ULONG ValueSize(VARTYPE vt) {
  for (const auto& entry : kValueSizes) {
    if (entry.vt == vt) return entry.size;
  }
  return 0;
}

HRESULT ValidateVariantType(VARTYPE vt) {
  const VARTYPE base = vt & VT_TYPEMASK;
  const VARTYPE extra = vt & ~VT_TYPEMASK;
  if (extra & (VT_VECTOR | VT_RESERVED)) return DISP_E_BADVARTYPE;
  if (!IsScalarBase(base) && base != VT_RECORD && base != kClsid) return DISP_E_BADVARTYPE;
  // Neither nothing nor null can be referenced or put in an array.
  if ((extra & (VT_BYREF | VT_ARRAY)) && base <= VT_NULL) return DISP_E_BADVARTYPE;
  return S_OK;
}

HRESULT ValidateTargetType(VARTYPE vt) {
  const VARTYPE base = vt & VT_TYPEMASK;
  if (vt & VT_BYREF) return DISP_E_TYPEMISMATCH;  // as Windows: a reference cannot be made
  if (vt & ~(VT_TYPEMASK | VT_ARRAY)) return DISP_E_BADVARTYPE;
  if (!IsScalarBase(base) && base != VT_RECORD) return DISP_E_BADVARTYPE;
  return S_OK;
}

IUnknown* InterfaceOf(const VARIANT& v) {
  if (v.vt == VT_UNKNOWN) return v.punkVal;
  if (v.vt == VT_DISPATCH) return v.pdispVal;
  return nullptr;
}

}  // namespace corvane::com::native
