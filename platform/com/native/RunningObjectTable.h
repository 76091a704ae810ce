// The process-wide table behind RegisterActiveObject and GetActiveObject.
#pragma once

#include <map>
#include <mutex>

#include "platform/com/ComPtr.h"

namespace corvane::com::native {

class RunningObjectTable {
 public:
  static RunningObjectTable& instance();

  // Strong entries hold a reference; weak ones only the pointer, so their
  // owner must revoke them before it goes away.
  HRESULT Register(IUnknown* object, REFCLSID clsid, bool strong, DWORD* cookie);
  HRESULT Revoke(DWORD cookie);
  // The first live entry for the class, with a new reference.
  HRESULT Find(REFCLSID clsid, IUnknown** object) const;

 private:
  struct Entry {
    CLSID clsid;
    IUnknown* object;        // weak entries
    ComPtr<IUnknown> owned;  // strong entries
  };

  mutable std::mutex mutex_;
  std::map<DWORD, Entry> entries_;  // by cookie, in registration order
  DWORD nextCookie_ = 1;
};

}  // namespace corvane::com::native
