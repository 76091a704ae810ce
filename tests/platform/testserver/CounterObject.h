// The test server's object: an IDispatch whose members count their calls
// and report the library's counters.
#pragma once

#include "platform/com/ComObject.h"

namespace corvane::testserver {

class CounterObject final : public com::ComObject<IDispatch> {
 public:
  CounterObject();
  ~CounterObject() override;

  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
  STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                      VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

 private:
  // The member's value after the call; false for an unknown member.
  bool Call(DISPID member, WORD flags, LONG& value);

  LONG calls_ = 0;
};

}  // namespace corvane::testserver
