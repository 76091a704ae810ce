// The COM interfaces the system uses, with Windows' slot order so that
// objects written above the platform layer implement the same vtables.
#pragma once

#include "oletypes.h"

#define STDMETHOD(method) virtual HRESULT STDMETHODCALLTYPE method
#define STDMETHOD_(type, method) virtual type STDMETHODCALLTYPE method
#define STDMETHODIMP HRESULT STDMETHODCALLTYPE
#define STDMETHODIMP_(type) type STDMETHODCALLTYPE
#define PURE = 0

extern "C" {
extern CORVANE_PLATFORM_API const IID IID_IUnknown;
extern CORVANE_PLATFORM_API const IID IID_IDispatch;
extern CORVANE_PLATFORM_API const IID IID_IClassFactory;
extern CORVANE_PLATFORM_API const IID IID_IConnectionPointContainer;
extern CORVANE_PLATFORM_API const IID IID_IConnectionPoint;
extern CORVANE_PLATFORM_API const IID IID_IEnumConnections;
extern CORVANE_PLATFORM_API const IID IID_IEnumConnectionPoints;
extern CORVANE_PLATFORM_API const IID IID_IErrorInfo;
extern CORVANE_PLATFORM_API const IID IID_ICreateErrorInfo;
extern CORVANE_PLATFORM_API const IID IID_ISupportErrorInfo;
extern CORVANE_PLATFORM_API const IID IID_ITypeLib;
extern CORVANE_PLATFORM_API const IID IID_ITypeInfo;
extern CORVANE_PLATFORM_API const IID IID_IEnumVARIANT;
extern CORVANE_PLATFORM_API const IID IID_IPicture;
extern CORVANE_PLATFORM_API const IID IID_IPictureDisp;
}

struct IUnknown {
  STDMETHOD(QueryInterface)(REFIID riid, void** ppvObject) PURE;
  STDMETHOD_(ULONG, AddRef)() PURE;
  STDMETHOD_(ULONG, Release)() PURE;

 protected:
  ~IUnknown() = default;
};
using LPUNKNOWN = IUnknown*;

struct IDispatch : IUnknown {
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) PURE;
  STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) PURE;
  STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) PURE;
  STDMETHOD(Invoke)
  (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
   EXCEPINFO* pExcepInfo, UINT* puArgErr) PURE;

 protected:
  ~IDispatch() = default;
};
using LPDISPATCH = IDispatch*;

struct IClassFactory : IUnknown {
  STDMETHOD(CreateInstance)(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) PURE;
  STDMETHOD(LockServer)(BOOL fLock) PURE;

 protected:
  ~IClassFactory() = default;
};

struct IConnectionPointContainer;

struct IEnumConnections : IUnknown {
  STDMETHOD(Next)(ULONG cConnections, CONNECTDATA* rgcd, ULONG* pcFetched) PURE;
  STDMETHOD(Skip)(ULONG cConnections) PURE;
  STDMETHOD(Reset)() PURE;
  STDMETHOD(Clone)(IEnumConnections** ppEnum) PURE;

 protected:
  ~IEnumConnections() = default;
};

struct IConnectionPoint : IUnknown {
  STDMETHOD(GetConnectionInterface)(IID* pIID) PURE;
  STDMETHOD(GetConnectionPointContainer)(IConnectionPointContainer** ppCPC) PURE;
  STDMETHOD(Advise)(IUnknown* pUnkSink, DWORD* pdwCookie) PURE;
  STDMETHOD(Unadvise)(DWORD dwCookie) PURE;
  STDMETHOD(EnumConnections)(IEnumConnections** ppEnum) PURE;

 protected:
  ~IConnectionPoint() = default;
};

struct IEnumConnectionPoints : IUnknown {
  STDMETHOD(Next)(ULONG cConnections, IConnectionPoint** ppCP, ULONG* pcFetched) PURE;
  STDMETHOD(Skip)(ULONG cConnections) PURE;
  STDMETHOD(Reset)() PURE;
  STDMETHOD(Clone)(IEnumConnectionPoints** ppEnum) PURE;

 protected:
  ~IEnumConnectionPoints() = default;
};

struct IConnectionPointContainer : IUnknown {
  STDMETHOD(EnumConnectionPoints)(IEnumConnectionPoints** ppEnum) PURE;
  STDMETHOD(FindConnectionPoint)(REFIID riid, IConnectionPoint** ppCP) PURE;

 protected:
  ~IConnectionPointContainer() = default;
};

struct IEnumVARIANT : IUnknown {
  STDMETHOD(Next)(ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched) PURE;
  STDMETHOD(Skip)(ULONG celt) PURE;
  STDMETHOD(Reset)() PURE;
  STDMETHOD(Clone)(IEnumVARIANT** ppEnum) PURE;

 protected:
  ~IEnumVARIANT() = default;
};

struct IErrorInfo : IUnknown {
  STDMETHOD(GetGUID)(GUID* pGUID) PURE;
  STDMETHOD(GetSource)(BSTR* pBstrSource) PURE;
  STDMETHOD(GetDescription)(BSTR* pBstrDescription) PURE;
  STDMETHOD(GetHelpFile)(BSTR* pBstrHelpFile) PURE;
  STDMETHOD(GetHelpContext)(DWORD* pdwHelpContext) PURE;

 protected:
  ~IErrorInfo() = default;
};

struct ICreateErrorInfo : IUnknown {
  STDMETHOD(SetGUID)(REFGUID rguid) PURE;
  STDMETHOD(SetSource)(LPOLESTR szSource) PURE;
  STDMETHOD(SetDescription)(LPOLESTR szDescription) PURE;
  STDMETHOD(SetHelpFile)(LPOLESTR szHelpFile) PURE;
  STDMETHOD(SetHelpContext)(DWORD dwHelpContext) PURE;

 protected:
  ~ICreateErrorInfo() = default;
};

struct ISupportErrorInfo : IUnknown {
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) PURE;

 protected:
  ~ISupportErrorInfo() = default;
};

struct ITypeInfo : IUnknown {
  STDMETHOD(GetTypeAttr)(TYPEATTR** ppTypeAttr) PURE;
  STDMETHOD(GetTypeComp)(ITypeComp** ppTComp) PURE;
  STDMETHOD(GetFuncDesc)(UINT index, FUNCDESC** ppFuncDesc) PURE;
  STDMETHOD(GetVarDesc)(UINT index, VARDESC** ppVarDesc) PURE;
  STDMETHOD(GetNames)(MEMBERID memid, BSTR* rgBstrNames, UINT cMaxNames, UINT* pcNames) PURE;
  STDMETHOD(GetRefTypeOfImplType)(UINT index, HREFTYPE* pRefType) PURE;
  STDMETHOD(GetImplTypeFlags)(UINT index, INT* pImplTypeFlags) PURE;
  STDMETHOD(GetIDsOfNames)(LPOLESTR* rgszNames, UINT cNames, MEMBERID* pMemId) PURE;
  STDMETHOD(Invoke)
  (PVOID pvInstance, MEMBERID memid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
   UINT* puArgErr) PURE;
  STDMETHOD(GetDocumentation)
  (MEMBERID memid, BSTR* pBstrName, BSTR* pBstrDocString, DWORD* pdwHelpContext, BSTR* pBstrHelpFile) PURE;
  STDMETHOD(GetDllEntry)(MEMBERID memid, INVOKEKIND invKind, BSTR* pBstrDllName, BSTR* pBstrName, WORD* pwOrdinal) PURE;
  STDMETHOD(GetRefTypeInfo)(HREFTYPE hRefType, ITypeInfo** ppTInfo) PURE;
  STDMETHOD(AddressOfMember)(MEMBERID memid, INVOKEKIND invKind, PVOID* ppv) PURE;
  STDMETHOD(CreateInstance)(IUnknown* pUnkOuter, REFIID riid, PVOID* ppvObj) PURE;
  STDMETHOD(GetMops)(MEMBERID memid, BSTR* pBstrMops) PURE;
  STDMETHOD(GetContainingTypeLib)(ITypeLib** ppTLib, UINT* pIndex) PURE;
  STDMETHOD_(void, ReleaseTypeAttr)(TYPEATTR* pTypeAttr) PURE;
  STDMETHOD_(void, ReleaseFuncDesc)(FUNCDESC* pFuncDesc) PURE;
  STDMETHOD_(void, ReleaseVarDesc)(VARDESC* pVarDesc) PURE;

 protected:
  ~ITypeInfo() = default;
};

struct ITypeLib : IUnknown {
  STDMETHOD_(UINT, GetTypeInfoCount)() PURE;
  STDMETHOD(GetTypeInfo)(UINT index, ITypeInfo** ppTInfo) PURE;
  STDMETHOD(GetTypeInfoType)(UINT index, TYPEKIND* pTKind) PURE;
  STDMETHOD(GetTypeInfoOfGuid)(REFGUID guid, ITypeInfo** ppTinfo) PURE;
  STDMETHOD(GetLibAttr)(TLIBATTR** ppTLibAttr) PURE;
  STDMETHOD(GetTypeComp)(ITypeComp** ppTComp) PURE;
  STDMETHOD(GetDocumentation)
  (INT index, BSTR* pBstrName, BSTR* pBstrDocString, DWORD* pdwHelpContext, BSTR* pBstrHelpFile) PURE;
  STDMETHOD(IsName)(LPOLESTR szNameBuf, ULONG lHashVal, BOOL* pfName) PURE;
  STDMETHOD(FindName)(LPOLESTR szNameBuf, ULONG lHashVal, ITypeInfo** ppTInfo, MEMBERID* rgMemId, USHORT* pcFound) PURE;
  STDMETHOD_(void, ReleaseTLibAttr)(TLIBATTR* pTLibAttr) PURE;

 protected:
  ~ITypeLib() = default;
};

// A picture object (OLE's standard picture). Handles travel as OLE_HANDLE,
// 32 bits wide on every build, as GDI handles are.
using OLE_HANDLE = UINT;
using OLE_XSIZE_HIMETRIC = LONG;
using OLE_YSIZE_HIMETRIC = LONG;
using OLE_XPOS_HIMETRIC = LONG;
using OLE_YPOS_HIMETRIC = LONG;
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPCRECT = const RECT*;
struct IStream;
using LPSTREAM = IStream*;

struct IPicture : IUnknown {
  STDMETHOD(get_Handle)(OLE_HANDLE* pHandle) PURE;
  STDMETHOD(get_hPal)(OLE_HANDLE* phPal) PURE;
  STDMETHOD(get_Type)(SHORT* pType) PURE;
  STDMETHOD(get_Width)(OLE_XSIZE_HIMETRIC* pWidth) PURE;
  STDMETHOD(get_Height)(OLE_YSIZE_HIMETRIC* pHeight) PURE;
  STDMETHOD(Render)
  (HDC hDC, LONG x, LONG y, LONG cx, LONG cy, OLE_XPOS_HIMETRIC xSrc, OLE_YPOS_HIMETRIC ySrc, OLE_XSIZE_HIMETRIC cxSrc,
   OLE_YSIZE_HIMETRIC cySrc, LPCRECT pRcWBounds) PURE;
  STDMETHOD(set_hPal)(OLE_HANDLE hPal) PURE;
  STDMETHOD(get_CurDC)(HDC* phDC) PURE;
  STDMETHOD(SelectPicture)(HDC hDCIn, HDC* phDCOut, OLE_HANDLE* phBmpOut) PURE;
  STDMETHOD(get_KeepOriginalFormat)(BOOL* pKeep) PURE;
  STDMETHOD(put_KeepOriginalFormat)(BOOL keep) PURE;
  STDMETHOD(PictureChanged)() PURE;
  STDMETHOD(SaveAsFile)(LPSTREAM pStream, BOOL fSaveMemCopy, LONG* pCbSize) PURE;
  STDMETHOD(get_Attributes)(DWORD* pDwAttr) PURE;

 protected:
  ~IPicture() = default;
};

// The picture's automation side: a dispinterface.
using IPictureDisp = IDispatch;
