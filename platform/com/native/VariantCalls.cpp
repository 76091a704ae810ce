// VariantInit, VariantClear, VariantCopy and VariantCopyInd.
#include <cstring>

#include "platform/com/ComPtr.h"
#include "platform/com/native/VariantTypes.h"

using corvane::com::ComPtr;
using corvane::com::native::InterfaceOf;
using corvane::com::native::ValidateVariantType;
using corvane::com::native::ValueSize;

namespace {

// Frees what a by-value VARIANT owns; references are left alone.
HRESULT FreeContents(VARIANTARG& v) {
  if (v.vt & VT_BYREF) return S_OK;
  if (v.vt & VT_ARRAY) return SafeArrayDestroy(v.parray);
  if (v.vt == VT_BSTR) SysFreeString(v.bstrVal);
  if (IUnknown* unknown = InterfaceOf(v)) ComPtr<IUnknown>::adopt(unknown);
  return S_OK;
}

// Copies a validated source into an empty destination.
HRESULT CopyContents(VARIANTARG& dest, const VARIANTARG& src) {
  VARIANTARG copy;
  std::memcpy(&copy, &src, sizeof(copy));
  if (src.vt & VT_BYREF) {
    // References stay references: the copy points at the same storage.
  } else if (src.vt & VT_ARRAY) {
    const HRESULT hr = SafeArrayCopy(src.parray, &copy.parray);
    if (FAILED(hr)) return hr;
  } else if (src.vt == VT_BSTR && src.bstrVal) {
    copy.bstrVal = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(src.bstrVal), SysStringByteLen(src.bstrVal));
    if (!copy.bstrVal) return E_OUTOFMEMORY;
  } else if (IUnknown* unknown = InterfaceOf(src)) {
    unknown->AddRef();
  }
  std::memcpy(&dest, &copy, sizeof(dest));
  return S_OK;
}

// A by-value view of what a by-reference VARIANT points at.
HRESULT Dereference(const VARIANTARG& src, VARIANTARG& view) {
  if (!src.byref) return E_INVALIDARG;
  const VARTYPE base = src.vt & ~VT_BYREF;
  if (base == VT_VARIANT) {
    std::memcpy(&view, src.pvarVal, sizeof(view));
    // Windows follows one level only.
    return (view.vt == (VT_VARIANT | VT_BYREF)) ? E_INVALIDARG : S_OK;
  }
  std::memset(&view, 0, sizeof(view));
  view.vt = base;
  if (base == VT_DECIMAL) {
    std::memcpy(&view.decVal, src.pdecVal, sizeof(DECIMAL));
    view.vt = base;  // the value's first field overlays the tag
    return S_OK;
  }
  const size_t bytes = (base & VT_ARRAY) ? sizeof(SAFEARRAY*) : ValueSize(base);
  if (!bytes) return DISP_E_BADVARTYPE;
  std::memcpy(&view.llVal, src.byref, bytes);
  return S_OK;
}

}  // namespace

STDAPI_(void) VariantInit(VARIANTARG* pvarg) {
  if (pvarg) pvarg->vt = VT_EMPTY;
}

STDAPI VariantClear(VARIANTARG* pvarg) {
  if (!pvarg) return E_INVALIDARG;
  HRESULT hr = ValidateVariantType(pvarg->vt);
  if (FAILED(hr)) return hr;
  hr = FreeContents(*pvarg);
  pvarg->vt = VT_EMPTY;
  return hr;
}

STDAPI VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc) {
  if (!pvargDest || !pvargSrc) return E_INVALIDARG;
  HRESULT hr = ValidateVariantType(pvargSrc->vt);
  if (FAILED(hr) || pvargDest == pvargSrc) return hr;
  hr = VariantClear(pvargDest);
  if (FAILED(hr)) return hr;
  return CopyContents(*pvargDest, *pvargSrc);
}

STDAPI VariantCopyInd(VARIANT* pvarDest, const VARIANTARG* pvargSrc) {
  if (!pvarDest || !pvargSrc) return E_INVALIDARG;
  if (!(pvargSrc->vt & VT_BYREF)) return VariantCopy(pvarDest, pvargSrc);
  HRESULT hr = ValidateVariantType(pvargSrc->vt);
  if (FAILED(hr)) return hr;
  VARIANTARG view;
  hr = Dereference(*pvargSrc, view);
  if (FAILED(hr)) return hr;
  // Copy into a temporary first: the destination may be the source.
  VARIANTARG copy;
  copy.vt = VT_EMPTY;
  hr = (view.vt & VT_BYREF) ? VariantCopyInd(&copy, &view) : VariantCopy(&copy, &view);
  if (FAILED(hr)) return hr;
  if (pvarDest != pvargSrc) {
    hr = VariantClear(pvarDest);
    if (FAILED(hr)) {
      VariantClear(&copy);
      return hr;
    }
  }
  std::memcpy(pvarDest, &copy, sizeof(copy));
  return S_OK;
}
