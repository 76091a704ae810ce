// The COM and OLE Automation runtime calls of the native build: the subset
// the system uses, with the Windows names, signatures and results.
#pragma once

#include "interfaces.h"

// BSTR: UTF-16, length-prefixed (bytes, 32-bit) and NUL-terminated; embedded
// NULs are kept.
STDAPI_(BSTR) SysAllocString(const OLECHAR* psz);
STDAPI_(BSTR) SysAllocStringLen(const OLECHAR* strIn, UINT ui);
STDAPI_(BSTR) SysAllocStringByteLen(LPCSTR psz, UINT len);
STDAPI_(INT) SysReAllocString(BSTR* pbstr, const OLECHAR* psz);
STDAPI_(INT) SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, UINT len);
STDAPI_(void) SysFreeString(BSTR bstrString);
STDAPI_(UINT) SysStringLen(BSTR pbstr);
STDAPI_(UINT) SysStringByteLen(BSTR bstr);

// VARIANT
STDAPI_(void) VariantInit(VARIANTARG* pvarg);
STDAPI VariantClear(VARIANTARG* pvarg);
STDAPI VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc);
STDAPI VariantCopyInd(VARIANT* pvarDest, const VARIANTARG* pvargSrc);
STDAPI VariantChangeType(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, USHORT wFlags, VARTYPE vt);
STDAPI VariantChangeTypeEx(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, LCID lcid, USHORT wFlags, VARTYPE vt);

// SAFEARRAY (the runtime serves any number of dimensions in its layout;
// the system uses one).
STDAPI_(SAFEARRAY*) SafeArrayCreate(VARTYPE vt, UINT cDims, SAFEARRAYBOUND* rgsabound);
STDAPI_(SAFEARRAY*) SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements);
STDAPI SafeArrayDestroy(SAFEARRAY* psa);
STDAPI_(UINT) SafeArrayGetDim(SAFEARRAY* psa);
STDAPI_(UINT) SafeArrayGetElemsize(SAFEARRAY* psa);
STDAPI SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* pvt);
STDAPI SafeArrayGetLBound(SAFEARRAY* psa, UINT nDim, LONG* plLbound);
STDAPI SafeArrayGetUBound(SAFEARRAY* psa, UINT nDim, LONG* plUbound);
STDAPI SafeArrayLock(SAFEARRAY* psa);
STDAPI SafeArrayUnlock(SAFEARRAY* psa);
STDAPI SafeArrayAccessData(SAFEARRAY* psa, void** ppvData);
STDAPI SafeArrayUnaccessData(SAFEARRAY* psa);
STDAPI SafeArrayGetElement(SAFEARRAY* psa, LONG* rgIndices, void* pv);
STDAPI SafeArrayPutElement(SAFEARRAY* psa, LONG* rgIndices, void* pv);
STDAPI SafeArrayCopy(SAFEARRAY* psa, SAFEARRAY** ppsaOut);

// Memory
STDAPI_(LPVOID) CoTaskMemAlloc(SIZE_T cb);
STDAPI_(void) CoTaskMemFree(LPVOID pv);

// GUIDs
STDAPI CoCreateGuid(GUID* pguid);
STDAPI_(int) StringFromGUID2(REFGUID rguid, LPOLESTR lpsz, int cchMax);
STDAPI StringFromCLSID(REFCLSID rclsid, LPOLESTR* lplpsz);
STDAPI CLSIDFromString(LPCOLESTR lpsz, LPCLSID pclsid);
STDAPI IIDFromString(LPCOLESTR lpsz, IID* lpiid);

// Error information (per thread)
STDAPI SetErrorInfo(ULONG dwReserved, IErrorInfo* perrinfo);
STDAPI GetErrorInfo(ULONG dwReserved, IErrorInfo** pperrinfo);
STDAPI CreateErrorInfo(ICreateErrorInfo** pperrinfo);

// Apartment (the native runtime has one implicit apartment; these count).
STDAPI CoInitialize(LPVOID pvReserved);
STDAPI CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit);
STDAPI_(void) CoUninitialize();

// Activation through the registry (HKCR\ProgID\Clsid,
// HKCR\CLSID\{...}\InprocServer32) and the shared-library loader.
STDAPI CLSIDFromProgID(LPCOLESTR lpszProgID, LPCLSID lpclsid);
STDAPI ProgIDFromCLSID(REFCLSID clsid, LPOLESTR* lplpszProgID);
STDAPI CoGetClassObject(REFCLSID rclsid, DWORD dwClsContext, LPVOID pvReserved, REFIID riid, LPVOID* ppv);
STDAPI CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv);
STDAPI_(void) CoFreeUnusedLibraries();

// What an in-process server exports.
using LPFNGETCLASSOBJECT = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, LPVOID*);
using LPFNCANUNLOADNOW = HRESULT(STDAPICALLTYPE*)();

// Class objects the process offers itself, found before the registry.
enum REGCLS : DWORD {
  REGCLS_SINGLEUSE = 0,
  REGCLS_MULTIPLEUSE = 1,
  REGCLS_MULTI_SEPARATE = 2,
  REGCLS_SUSPENDED = 4,
  REGCLS_SURROGATE = 8
};
STDAPI CoRegisterClassObject(REFCLSID rclsid, LPUNKNOWN pUnk, DWORD dwClsContext, DWORD flags, LPDWORD lpdwRegister);
STDAPI CoRevokeClassObject(DWORD dwRegister);

// Running object table (process-wide).
STDAPI RegisterActiveObject(IUnknown* punk, REFCLSID rclsid, DWORD dwFlags, DWORD* pdwRegister);
STDAPI RevokeActiveObject(DWORD dwRegister, LPVOID pvReserved);
STDAPI GetActiveObject(REFCLSID rclsid, LPVOID pvReserved, IUnknown** ppunk);

// Type library registration (HKCR\TypeLib\{guid}\major.minor and the
// interfaces' HKCR\Interface entries).
STDAPI RegisterTypeLib(ITypeLib* ptlib, LPCOLESTR szFullPath, LPCOLESTR szHelpDir);
STDAPI UnRegisterTypeLib(REFGUID libID, WORD wVerMajor, WORD wVerMinor, LCID lcid, SYSKIND syskind);

// Picture objects (their implementation lives with the graphics stand-ins).
enum PICTYPE : UINT {
  PICTYPE_UNINITIALIZED = static_cast<UINT>(-1),
  PICTYPE_NONE = 0,
  PICTYPE_BITMAP = 1,
  PICTYPE_METAFILE = 2,
  PICTYPE_ICON = 3,
  PICTYPE_ENHMETAFILE = 4,
};
struct PICTDESC {
  UINT cbSizeofstruct;
  UINT picType;
  union {
    struct {
      HBITMAP hbitmap;
      HPALETTE hpal;
    } bmp;
    struct {
      HANDLE hmeta;
      int xExt;
      int yExt;
    } wmf;
    struct {
      HICON hicon;
    } icon;
  };
};
using LPPICTDESC = PICTDESC*;
STDAPI OleCreatePictureIndirect(LPPICTDESC lpPictDesc, REFIID riid, BOOL fOwn, LPVOID* lplpvObj);
