// The class factory of the counter: creates counters, keeps the library
// loaded while locked, refuses aggregation.
#pragma once

#include "platform/com/ComObject.h"

namespace corvane::testserver {

class CounterFactory final : public com::ComObject<IClassFactory> {
 public:
  STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) override;
  STDMETHODIMP LockServer(BOOL fLock) override;
};

}  // namespace corvane::testserver
