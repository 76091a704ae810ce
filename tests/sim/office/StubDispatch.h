// IDispatch with no members, for test objects that the host only passes
// around or calls through their own vtable.
#pragma once

#include "platform/com/ComObject.h"

namespace corvane::sim::office::testing {

template <class... Interfaces>
class StubDispatch : public com::ComObject<Interfaces...> {
 public:
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
};

}  // namespace corvane::sim::office::testing
