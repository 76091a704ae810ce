#include "platform/com/native/ServerLibraries.h"

#include <dlfcn.h>

#include <vector>

namespace corvane::com::native {
namespace {

template <class Function>
Function Export(void* handle, const char* name) {
  return reinterpret_cast<Function>(dlsym(handle, name));
}

}  // namespace

ServerLibraries& ServerLibraries::instance() {
  static ServerLibraries libraries;
  return libraries;
}

HRESULT ServerLibraries::Load(const std::string& path, Library& library) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  // The results Windows gives: a library that will not load, one without
  // the class object export.
  if (!handle) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  const auto getClassObject = Export<LPFNGETCLASSOBJECT>(handle, "DllGetClassObject");
  if (!getClassObject) {
    dlclose(handle);
    return CO_E_ERRORINDLL;
  }
  library = Library{handle, getClassObject, Export<LPFNCANUNLOADNOW>(handle, "DllCanUnloadNow")};
  return S_OK;
}

HRESULT ServerLibraries::GetClassObject(const std::string& path, REFCLSID clsid, REFIID iid, void** object) {
  // Held through the call, so the library cannot be unloaded under it; the
  // lock is recursive because a server may activate other classes.
  std::lock_guard lock(mutex_);
  auto found = libraries_.find(path);
  if (found == libraries_.end()) {
    Library library{};
    const HRESULT hr = Load(path, library);
    if (FAILED(hr)) return hr;
    found = libraries_.emplace(path, library).first;
  }
  return found->second.getClassObject(clsid, iid, object);
}

void ServerLibraries::FreeUnused() {
  std::vector<void*> unload;
  {
    std::lock_guard lock(mutex_);
    for (auto it = libraries_.begin(); it != libraries_.end();) {
      const Library& library = it->second;
      if (library.canUnloadNow && library.canUnloadNow() == S_OK) {
        unload.push_back(library.handle);
        it = libraries_.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (void* handle : unload) dlclose(handle);
}

}  // namespace corvane::com::native
