#include "platform/com/native/ClassTable.h"

namespace corvane::com::native {
namespace {

// A class the process registered as its local server also answers in-process
// requests (the caller is that process); an in-process registration answers
// only in-process requests.
bool Serves(DWORD registered, DWORD requested) {
  if (registered & requested) return true;
  return (registered & CLSCTX_LOCAL_SERVER) && (requested & CLSCTX_INPROC_SERVER);
}

constexpr DWORD kKnownFlags = REGCLS_MULTIPLEUSE | REGCLS_MULTI_SEPARATE | REGCLS_SUSPENDED | REGCLS_SURROGATE;

}  // namespace

ClassTable& ClassTable::instance() {
  static ClassTable table;
  return table;
}

HRESULT ClassTable::Register(REFCLSID clsid, IUnknown* classObject, DWORD context, DWORD flags, DWORD* cookie) {
  if (!classObject || !cookie) return E_INVALIDARG;
  *cookie = 0;
  if (flags & ~kKnownFlags) return E_INVALIDARG;
  std::lock_guard lock(mutex_);
  if (FindEntry(clsid, context)) return CO_E_OBJISREG;
  *cookie = nextCookie_++;
  entries_.emplace(*cookie, Entry{clsid, context, flags, ComPtr<IUnknown>(classObject)});
  return S_OK;
}

HRESULT ClassTable::Revoke(DWORD cookie) {
  ComPtr<IUnknown> released;  // let go outside the lock
  std::lock_guard lock(mutex_);
  const auto found = entries_.find(cookie);
  if (found == entries_.end()) return E_INVALIDARG;
  released = std::move(found->second.classObject);
  entries_.erase(found);
  return S_OK;
}

ComPtr<IUnknown> ClassTable::Find(REFCLSID clsid, DWORD context) const {
  std::lock_guard lock(mutex_);
  const Entry* entry = FindEntry(clsid, context);
  return entry ? entry->classObject : ComPtr<IUnknown>();
}

const ClassTable::Entry* ClassTable::FindEntry(REFCLSID clsid, DWORD context) const {
  for (const auto& [key, entry] : entries_) {
    // A suspended class waits for CoResumeClassObjects, which the system
    // never calls: it stays hidden.
    if ((entry.flags & REGCLS_SUSPENDED) || !Serves(entry.context, context)) continue;
    if (IsEqualCLSID(entry.clsid, clsid)) return &entry;
  }
  return nullptr;
}

}  // namespace corvane::com::native

using corvane::com::native::ClassTable;

STDAPI CoRegisterClassObject(REFCLSID rclsid, LPUNKNOWN pUnk, DWORD dwClsContext, DWORD flags, LPDWORD lpdwRegister) {
  return ClassTable::instance().Register(rclsid, pUnk, dwClsContext, flags, lpdwRegister);
}

STDAPI CoRevokeClassObject(DWORD dwRegister) { return ClassTable::instance().Revoke(dwRegister); }
