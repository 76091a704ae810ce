// Base of the event sinks: an IDispatch (or a dispinterface of the host's)
// without type information, whose calls go to one virtual.
//
//   GetTypeInfoCount  0
//   GetTypeInfo       E_NOTIMPL: there is no type information to give
//   GetIDsOfNames     DISP_E_UNKNOWNNAME (every id DISPID_UNKNOWN) unless a
//                     sink that knows its names overrides it
//   Invoke            Invoked(id, flags, params, result)
#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/com.h"

namespace corvane::com {

// The answers of an IDispatch that has no type information.
inline HRESULT NoTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
inline HRESULT NoTypeInfo(ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

template <class Interface = IDispatch, class Lifetime = lifetime::DeletesItself>
class DispatchStub : public ComObjectWith<Lifetime, Interface> {
 public:
  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) final { return NoTypeInfoCount(pctinfo); }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) final { return NoTypeInfo(ppTInfo); }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId) override {
    if (!rgszNames || !rgDispId) return E_POINTER;
    for (UINT i = 0; i < cNames; ++i) rgDispId[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
                      EXCEPINFO*, UINT*) final {
    return Invoked(dispIdMember, wFlags, pDispParams, pVarResult);
  }

 protected:
  DispatchStub() = default;

  // One call of the host; the sink answers what the host should read.
  virtual HRESULT Invoked(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result) = 0;
};

}  // namespace corvane::com
