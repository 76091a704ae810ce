// mingw-w64's oleauto.h takes the source of these conversions as a mutable
// pointer, where the Windows SDK (and the native runtime) take it as const.
// These overloads let the same call sites compile against both.
#pragma once

inline HRESULT VariantCopy(VARIANTARG* destination, const VARIANTARG* source) {
  return ::VariantCopy(destination, const_cast<VARIANTARG*>(source));
}

inline HRESULT VariantCopyInd(VARIANT* destination, const VARIANTARG* source) {
  return ::VariantCopyInd(destination, const_cast<VARIANTARG*>(source));
}

inline HRESULT VariantChangeType(VARIANTARG* destination, const VARIANTARG* source, USHORT flags, VARTYPE type) {
  return ::VariantChangeType(destination, const_cast<VARIANTARG*>(source), flags, type);
}

inline HRESULT VariantChangeTypeEx(VARIANTARG* destination, const VARIANTARG* source, LCID locale, USHORT flags,
                                   VARTYPE type) {
  return ::VariantChangeTypeEx(destination, const_cast<VARIANTARG*>(source), locale, flags, type);
}
