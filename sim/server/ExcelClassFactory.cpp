#include "sim/server/ExcelClassFactory.h"

#include "platform/com/ComGuard.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/ObjectType.h"
#include "sim/server/ServerState.h"

namespace corvane::sim::server {

ExcelClassFactory::ExcelClassFactory() { ++State().factories; }

ExcelClassFactory::~ExcelClassFactory() { --State().factories; }

STDMETHODIMP ExcelClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  return com::Guard(
      [&]() -> HRESULT {
        const auto application = StartApplication();
        return application->QueryInterface(riid, ppv);
      },
      kExcelSource);
}

STDMETHODIMP ExcelClassFactory::LockServer(BOOL lock) {
  if (lock) {
    ++State().locks;
  } else if (State().locks > 0) {
    --State().locks;
  }
  return S_OK;
}

}  // namespace corvane::sim::server
