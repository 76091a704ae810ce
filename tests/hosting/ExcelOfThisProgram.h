// Excel as the COM runtime starts it for this program, from this program's
// own simulated host, so that its calls are counted and failed here too (a
// server library would hold an instrumentation of its own).
#pragma once

#include "platform/com/ComGuard.h"
#include "platform/com/ComObject.h"
#include "sim/core/ApplicationFactory.h"

namespace corvane::framework::testing {

class ExcelOfThisProgram final : public com::ComObject<IClassFactory> {
 public:
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return com::Guard([&] { return sim::StartApplication()->QueryInterface(riid, ppv); });
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

}  // namespace corvane::framework::testing
