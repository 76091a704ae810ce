// The in-process server's exports, and its library-wide state.
#include "platform/com/ComPtr.h"
#include "tests/platform/testserver/CounterFactory.h"
#include "tests/platform/testserver/ServerState.h"
#include "tests/platform/testserver/TestServerIds.h"

namespace corvane::testserver {

ServerState& State() {
  static ServerState state;
  return state;
}

}  // namespace corvane::testserver

using namespace corvane::testserver;

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (!IsEqualCLSID(rclsid, kCounterClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  const auto factory = corvane::com::Make<CounterFactory>();
  return factory->QueryInterface(riid, ppv);
}

STDAPI DllCanUnloadNow() { return State().liveObjects == 0 && State().locks == 0 ? S_OK : S_FALSE; }
