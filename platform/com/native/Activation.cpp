// Class objects and instances by CLSID: the process's own class table
// first, then the in-process server named by the registry.
#include "platform/com/ComPtr.h"
#include "platform/com/Text.h"
#include "platform/com/native/ClassTable.h"
#include "platform/com/native/ClassesRoot.h"
#include "platform/com/native/ServerLibraries.h"

namespace corvane::com::native {
namespace {

constexpr DWORD kServerContexts = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER;

HRESULT FromClassTable(REFCLSID clsid, DWORD context, REFIID iid, void** object) {
  const ComPtr<IUnknown> registered = ClassTable::instance().Find(clsid, context & kServerContexts);
  if (!registered) return REGDB_E_CLASSNOTREG;
  return registered->QueryInterface(iid, object);
}

HRESULT FromInprocServer(REFCLSID clsid, REFIID iid, void** object) {
  const auto path = ReadClassesRoot(ClassKeyPath(clsid, u"InprocServer32"));
  if (path.status == REGDB_E_READREGDB) return path.status;
  if (FAILED(path.status) || path.text.empty()) return REGDB_E_CLASSNOTREG;
  return ServerLibraries::instance().GetClassObject(Utf16ToUtf8(path.text), clsid, iid, object);
}

}  // namespace
}  // namespace corvane::com::native

using namespace corvane::com::native;

STDAPI CoGetClassObject(REFCLSID rclsid, DWORD dwClsContext, LPVOID, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_INVALIDARG;
  *ppv = nullptr;
  if (!(dwClsContext & CLSCTX_ALL)) return E_INVALIDARG;
  if (dwClsContext & kServerContexts) {
    const HRESULT hr = FromClassTable(rclsid, dwClsContext, riid, ppv);
    if (hr != REGDB_E_CLASSNOTREG) return hr;
  }
  // Local and remote servers exist natively only as class table entries.
  if (!(dwClsContext & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
  return FromInprocServer(rclsid, riid, ppv);
}

STDAPI CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  corvane::com::ComPtr<IClassFactory> factory;
  const HRESULT hr = CoGetClassObject(rclsid, dwClsContext, nullptr, IID_IClassFactory, factory.put_void());
  if (FAILED(hr)) return hr;
  // Aggregation is the factory's to accept or refuse (CLASS_E_NOAGGREGATION).
  return factory->CreateInstance(pUnkOuter, riid, ppv);
}

STDAPI_(void) CoFreeUnusedLibraries() { ServerLibraries::instance().FreeUnused(); }
