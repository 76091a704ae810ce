#include "tests/platform/testserver/CounterFactory.h"

#include "tests/platform/testserver/CounterObject.h"
#include "tests/platform/testserver/ServerState.h"

namespace corvane::testserver {

STDMETHODIMP CounterFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) {
  if (!ppvObject) return E_POINTER;
  *ppvObject = nullptr;
  if (pUnkOuter) return CLASS_E_NOAGGREGATION;
  const auto counter = com::Make<CounterObject>();
  return counter->QueryInterface(riid, ppvObject);
}

STDMETHODIMP CounterFactory::LockServer(BOOL fLock) {
  if (fLock) {
    ++State().locks;
  } else if (State().locks > 0) {
    --State().locks;
  }
  return S_OK;
}

}  // namespace corvane::testserver
