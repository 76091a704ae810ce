// Active objects registered by CLSID. The table is process-wide, as the
// host's running instance must be found from any library the process loads.
#include "platform/com/native/RunningObjectTable.h"

namespace corvane::com::native {

RunningObjectTable& RunningObjectTable::instance() {
  static RunningObjectTable table;
  return table;
}

HRESULT RunningObjectTable::Register(IUnknown* object, REFCLSID clsid, bool strong, DWORD* cookie) {
  if (!object || !cookie) return E_INVALIDARG;
  // The entry's identity is the object's IUnknown, as the marshalled entry
  // of the system table is.
  const ComPtr<IUnknown> identity = try_as<IUnknown>(object);
  if (!identity) return E_NOINTERFACE;
  std::lock_guard lock(mutex_);
  bool already = false;
  for (const auto& [key, entry] : entries_) already = already || IsEqualCLSID(entry.clsid, clsid);
  *cookie = nextCookie_++;
  Entry entry{clsid, identity.get(), strong ? identity : ComPtr<IUnknown>()};
  entries_.emplace(*cookie, std::move(entry));
  return already ? MK_S_MONIKERALREADYREGISTERED : S_OK;
}

HRESULT RunningObjectTable::Revoke(DWORD cookie) {
  ComPtr<IUnknown> released;  // let go outside the lock: the object may call back
  std::lock_guard lock(mutex_);
  const auto found = entries_.find(cookie);
  if (found == entries_.end()) return E_INVALIDARG;
  released = std::move(found->second.owned);
  entries_.erase(found);
  return S_OK;
}

HRESULT RunningObjectTable::Find(REFCLSID clsid, IUnknown** object) const {
  if (!object) return E_INVALIDARG;
  *object = nullptr;
  std::lock_guard lock(mutex_);
  for (const auto& [key, entry] : entries_) {
    if (!IsEqualCLSID(entry.clsid, clsid)) continue;
    entry.object->AddRef();
    *object = entry.object;
    return S_OK;
  }
  return MK_E_UNAVAILABLE;
}

}  // namespace corvane::com::native

using corvane::com::native::RunningObjectTable;

STDAPI RegisterActiveObject(IUnknown* punk, REFCLSID rclsid, DWORD dwFlags, DWORD* pdwRegister) {
  if (dwFlags & ~DWORD{ACTIVEOBJECT_WEAK}) return E_INVALIDARG;
  return RunningObjectTable::instance().Register(punk, rclsid, (dwFlags & ACTIVEOBJECT_WEAK) == 0, pdwRegister);
}

STDAPI RevokeActiveObject(DWORD dwRegister, LPVOID) { return RunningObjectTable::instance().Revoke(dwRegister); }

STDAPI GetActiveObject(REFCLSID rclsid, LPVOID, IUnknown** ppunk) {
  return RunningObjectTable::instance().Find(rclsid, ppunk);
}
