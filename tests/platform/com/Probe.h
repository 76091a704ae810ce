// A COM object for tests of the runtime's tables: counts the live probes
// so a test sees who keeps one alive.
#pragma once

#include <atomic>

#include "platform/com/ComObject.h"

namespace corvane::com::testing {

class Probe final : public ComObject<IUnknown> {
 public:
  Probe() { ++live(); }
  ~Probe() override { --live(); }

  static std::atomic<int>& live() {
    static std::atomic<int> count{0};
    return count;
  }
  ULONG References() const { return RefCount(); }
};

// A class factory that makes probes, registrable with CoRegisterClassObject.
class ProbeFactory final : public ComObject<IClassFactory> {
 public:
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return Make<Probe>()->QueryInterface(riid, ppv);
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

}  // namespace corvane::com::testing
