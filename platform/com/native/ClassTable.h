// Class objects the process registered for itself (CoRegisterClassObject).
// CoGetClassObject asks this table before it reads the registry, so a
// program can be "started" by CLSID within the same process.
#pragma once

#include <map>
#include <mutex>

#include "platform/com/ComPtr.h"

namespace corvane::com::native {

class ClassTable {
 public:
  static ClassTable& instance();

  HRESULT Register(REFCLSID clsid, IUnknown* classObject, DWORD context, DWORD flags, DWORD* cookie);
  HRESULT Revoke(DWORD cookie);
  // The class object registered for the class in one of the contexts; null
  // when there is none.
  ComPtr<IUnknown> Find(REFCLSID clsid, DWORD context) const;

 private:
  struct Entry {
    CLSID clsid;
    DWORD context;
    DWORD flags;
    ComPtr<IUnknown> classObject;
  };

  const Entry* FindEntry(REFCLSID clsid, DWORD context) const;

  mutable std::mutex mutex_;
  std::map<DWORD, Entry> entries_;
  DWORD nextCookie_ = 1;
};

}  // namespace corvane::com::native
