// The server library's exports.
#include "platform/com/ComGuard.h"
#include "platform/com/ComObject.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/Instrumentation.h"
#include "sim/server/ExcelClassFactory.h"
#include "sim/server/ServerState.h"

namespace corvane::sim::server {

ServerState& State() {
  static ServerState state;
  return state;
}

}  // namespace corvane::sim::server

using namespace corvane::sim::server;

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (!IsEqualCLSID(rclsid, corvane::sim::kExcelApplicationClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  return corvane::com::GuardCode([&] { return corvane::com::Make<ExcelClassFactory>()->QueryInterface(riid, ppv); });
}

// A started Excel that is still referenced keeps the library, as its
// process would keep running.
STDAPI DllCanUnloadNow() {
  const bool idle =
      State().factories == 0 && State().locks == 0 && corvane::sim::Instrumentation::Instance().LiveObjects() == 0;
  return idle ? S_OK : S_FALSE;
}
