// SAFEARRAY: a descriptor followed by its bounds, with a 16-byte header in
// front that holds the element IID (FADF_HAVEIID) or the element type in its
// last four bytes (FADF_HAVEVARTYPE), as Windows lays it out. Bounds are
// stored last dimension first; index lists name the first dimension first.
#include <cstdlib>
#include <cstring>

#include "platform/com/ComPtr.h"
#include "platform/com/native/VariantTypes.h"

using corvane::com::ComPtr;
using corvane::com::native::ValueSize;

namespace {

constexpr size_t kHeader = 16;

// Features each element type gives an array; sizes come from the VARIANT
// value sizes.
struct ElementKind {
  VARTYPE vt;
  USHORT features;
};

constexpr ElementKind kSpecialKinds[] = {
    {VT_BSTR, FADF_BSTR | FADF_HAVEVARTYPE},
    {VT_VARIANT, FADF_VARIANT | FADF_HAVEVARTYPE},
    {VT_UNKNOWN, FADF_UNKNOWN | FADF_HAVEIID},
    {VT_DISPATCH, FADF_DISPATCH | FADF_HAVEIID},
};

USHORT FeaturesOf(VARTYPE vt) {
  for (const auto& kind : kSpecialKinds) {
    if (kind.vt == vt) return kind.features;
  }
  return FADF_HAVEVARTYPE;
}

char* HeaderOf(SAFEARRAY* psa) { return reinterpret_cast<char*>(psa) - kHeader; }
DWORD* VartypeSlot(SAFEARRAY* psa) { return reinterpret_cast<DWORD*>(psa) - 1; }
IID* IidSlot(SAFEARRAY* psa) { return reinterpret_cast<IID*>(HeaderOf(psa)); }

ULONG ElementCount(const SAFEARRAY* psa) {
  ULONG count = 1;
  for (USHORT i = 0; i < psa->cDims; ++i) count *= psa->rgsabound[i].cElements;
  return count;
}

// The bounds of dimension `dim` (1-based, first dimension first).
const SAFEARRAYBOUND& BoundOf(const SAFEARRAY* psa, UINT dim) { return psa->rgsabound[psa->cDims - dim]; }

SAFEARRAY* AllocateDescriptor(UINT cDims) {
  const size_t size = kHeader + sizeof(SAFEARRAY) + (cDims - 1) * sizeof(SAFEARRAYBOUND);
  auto* block = static_cast<char*>(std::calloc(1, size));
  return block ? reinterpret_cast<SAFEARRAY*>(block + kHeader) : nullptr;
}

void FreeDescriptor(SAFEARRAY* psa) { std::free(HeaderOf(psa)); }

char* ElementAt(SAFEARRAY* psa, ULONG cell) { return static_cast<char*>(psa->pvData) + cell * psa->cbElements; }

// Releases what each element owns and zeroes it.
void ClearElements(SAFEARRAY* psa) {
  const ULONG count = ElementCount(psa);
  for (ULONG cell = 0; cell < count; ++cell) {
    char* element = ElementAt(psa, cell);
    if (psa->fFeatures & FADF_BSTR) {
      SysFreeString(*reinterpret_cast<BSTR*>(element));
    } else if (psa->fFeatures & (FADF_UNKNOWN | FADF_DISPATCH)) {
      ComPtr<IUnknown>::adopt(*reinterpret_cast<IUnknown**>(element));
    } else if (psa->fFeatures & FADF_VARIANT) {
      VariantClear(reinterpret_cast<VARIANT*>(element));
    }
  }
  if (psa->pvData) std::memset(psa->pvData, 0, size_t{count} * psa->cbElements);
}

// Offset of the cell an index list names; false when any index is out of
// its dimension's bounds.
bool CellOf(const SAFEARRAY* psa, const LONG* indices, ULONG* cell) {
  ULONG offset = 0;
  ULONG stride = 1;
  for (UINT dim = 1; dim <= psa->cDims; ++dim) {
    const SAFEARRAYBOUND& bound = BoundOf(psa, dim);
    const int64_t relative = int64_t{indices[dim - 1]} - bound.lLbound;
    if (relative < 0 || relative >= bound.cElements) return false;
    offset += static_cast<ULONG>(relative) * stride;
    stride *= bound.cElements;
  }
  *cell = offset;
  return true;
}

// Copies one element out of (fromArray) or into an array, as its type
// requires: strings duplicated, variants deep-copied, interfaces AddRef'd.
HRESULT CopyElement(USHORT features, ULONG size, void* to, const void* from, bool intoArray) {
  if (features & FADF_BSTR) {
    BSTR source = *static_cast<const BSTR*>(from);
    BSTR copy = source ? SysAllocStringByteLen(reinterpret_cast<LPCSTR>(source), SysStringByteLen(source)) : nullptr;
    if (source && !copy) return E_OUTOFMEMORY;
    if (intoArray) SysFreeString(*static_cast<BSTR*>(to));
    *static_cast<BSTR*>(to) = copy;
  } else if (features & FADF_VARIANT) {
    if (!intoArray) static_cast<VARIANT*>(to)->vt = VT_EMPTY;
    return VariantCopy(static_cast<VARIANT*>(to), static_cast<const VARIANT*>(from));
  } else if (features & (FADF_UNKNOWN | FADF_DISPATCH)) {
    IUnknown* source = *static_cast<IUnknown* const*>(from);
    if (source) source->AddRef();
    if (intoArray) ComPtr<IUnknown>::adopt(*static_cast<IUnknown**>(to));
    *static_cast<IUnknown**>(to) = source;
  } else {
    std::memcpy(to, from, size);
  }
  return S_OK;
}

}  // namespace

STDAPI_(SAFEARRAY*) SafeArrayCreate(VARTYPE vt, UINT cDims, SAFEARRAYBOUND* rgsabound) {
  const ULONG size = ValueSize(vt);
  if (!size || cDims == 0 || cDims > 0xFFFF || !rgsabound) return nullptr;
  SAFEARRAY* psa = AllocateDescriptor(cDims);
  if (!psa) return nullptr;
  psa->cDims = static_cast<USHORT>(cDims);
  psa->cbElements = size;
  psa->fFeatures = FeaturesOf(vt);
  for (UINT i = 0; i < cDims; ++i) psa->rgsabound[cDims - 1 - i] = rgsabound[i];
  if (psa->fFeatures & FADF_HAVEIID) {
    *IidSlot(psa) = (vt == VT_DISPATCH) ? IID_IDispatch : IID_IUnknown;
  } else {
    *VartypeSlot(psa) = vt;
  }
  const uint64_t bytes = uint64_t{ElementCount(psa)} * size;
  psa->pvData = std::calloc(1, bytes ? bytes : 1);
  if (!psa->pvData) {
    FreeDescriptor(psa);
    return nullptr;
  }
  return psa;
}

STDAPI_(SAFEARRAY*) SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements) {
  SAFEARRAYBOUND bound{cElements, lLbound};
  return SafeArrayCreate(vt, 1, &bound);
}

STDAPI SafeArrayDestroy(SAFEARRAY* psa) {
  if (!psa) return S_OK;
  if (psa->cLocks) return DISP_E_ARRAYISLOCKED;
  ClearElements(psa);
  std::free(psa->pvData);
  FreeDescriptor(psa);
  return S_OK;
}

STDAPI_(UINT) SafeArrayGetDim(SAFEARRAY* psa) { return psa ? psa->cDims : 0; }

STDAPI_(UINT) SafeArrayGetElemsize(SAFEARRAY* psa) { return psa ? psa->cbElements : 0; }

STDAPI SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* pvt) {
  if (!psa || !pvt) return E_INVALIDARG;
  static constexpr struct {
    USHORT feature;
    VARTYPE vt;
  } kByFeature[] = {
      {FADF_BSTR, VT_BSTR}, {FADF_DISPATCH, VT_DISPATCH}, {FADF_UNKNOWN, VT_UNKNOWN}, {FADF_VARIANT, VT_VARIANT}};
  if (psa->fFeatures & FADF_HAVEVARTYPE) {
    *pvt = static_cast<VARTYPE>(*VartypeSlot(psa));
    return S_OK;
  }
  for (const auto& entry : kByFeature) {
    if (psa->fFeatures & entry.feature) {
      *pvt = entry.vt;
      return S_OK;
    }
  }
  return DISP_E_BADVARTYPE;
}

STDAPI SafeArrayGetLBound(SAFEARRAY* psa, UINT nDim, LONG* plLbound) {
  if (!psa || !plLbound) return E_INVALIDARG;
  if (nDim == 0 || nDim > psa->cDims) return DISP_E_BADINDEX;
  *plLbound = BoundOf(psa, nDim).lLbound;
  return S_OK;
}

STDAPI SafeArrayGetUBound(SAFEARRAY* psa, UINT nDim, LONG* plUbound) {
  if (!psa || !plUbound) return E_INVALIDARG;
  if (nDim == 0 || nDim > psa->cDims) return DISP_E_BADINDEX;
  const SAFEARRAYBOUND& bound = BoundOf(psa, nDim);
  *plUbound = static_cast<LONG>(int64_t{bound.lLbound} + bound.cElements - 1);
  return S_OK;
}

STDAPI SafeArrayLock(SAFEARRAY* psa) {
  if (!psa) return E_INVALIDARG;
  if (psa->cLocks >= 0xFFFF) return E_UNEXPECTED;
  ++psa->cLocks;
  return S_OK;
}

STDAPI SafeArrayUnlock(SAFEARRAY* psa) {
  if (!psa) return E_INVALIDARG;
  if (psa->cLocks == 0) return E_UNEXPECTED;
  --psa->cLocks;
  return S_OK;
}

STDAPI SafeArrayAccessData(SAFEARRAY* psa, void** ppvData) {
  if (!psa || !ppvData) return E_INVALIDARG;
  const HRESULT hr = SafeArrayLock(psa);
  *ppvData = SUCCEEDED(hr) ? psa->pvData : nullptr;
  return hr;
}

STDAPI SafeArrayUnaccessData(SAFEARRAY* psa) { return SafeArrayUnlock(psa); }

STDAPI SafeArrayGetElement(SAFEARRAY* psa, LONG* rgIndices, void* pv) {
  if (!psa || !rgIndices || !pv) return E_INVALIDARG;
  ULONG cell = 0;
  if (!CellOf(psa, rgIndices, &cell)) return DISP_E_BADINDEX;
  return CopyElement(psa->fFeatures, psa->cbElements, pv, ElementAt(psa, cell), false);
}

STDAPI SafeArrayPutElement(SAFEARRAY* psa, LONG* rgIndices, void* pv) {
  if (!psa || !rgIndices) return E_INVALIDARG;
  ULONG cell = 0;
  if (!CellOf(psa, rgIndices, &cell)) return DISP_E_BADINDEX;
  // Strings and interfaces are passed as the pointer itself, other types by
  // the address of the value.
  const bool byPointer = psa->fFeatures & (FADF_BSTR | FADF_UNKNOWN | FADF_DISPATCH);
  if (!pv && !byPointer) return E_INVALIDARG;
  return CopyElement(psa->fFeatures, psa->cbElements, ElementAt(psa, cell), byPointer ? &pv : pv, true);
}

STDAPI SafeArrayCopy(SAFEARRAY* psa, SAFEARRAY** ppsaOut) {
  if (!ppsaOut) return E_INVALIDARG;
  *ppsaOut = nullptr;
  if (!psa) return S_OK;
  SAFEARRAY* copy = AllocateDescriptor(psa->cDims);
  if (!copy) return E_OUTOFMEMORY;
  std::memcpy(HeaderOf(copy), HeaderOf(psa), kHeader + sizeof(SAFEARRAY) + (psa->cDims - 1) * sizeof(SAFEARRAYBOUND));
  copy->cLocks = 0;
  copy->fFeatures &= ~(FADF_AUTO | FADF_STATIC | FADF_EMBEDDED | FADF_FIXEDSIZE);
  const ULONG count = ElementCount(psa);
  const size_t bytes = size_t{count} * psa->cbElements;
  copy->pvData = std::calloc(1, bytes ? bytes : 1);
  if (!copy->pvData) {
    FreeDescriptor(copy);
    return E_OUTOFMEMORY;
  }
  for (ULONG cell = 0; cell < count; ++cell) {
    const HRESULT hr =
        CopyElement(copy->fFeatures, copy->cbElements, ElementAt(copy, cell), ElementAt(psa, cell), true);
    if (FAILED(hr)) {
      SafeArrayDestroy(copy);
      return hr;
    }
  }
  *ppsaOut = copy;
  return S_OK;
}
