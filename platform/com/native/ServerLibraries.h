// The in-process servers the process has loaded for COM: one handle per
// library path, kept until the library says it can be unloaded.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "platform/com/com.h"

namespace corvane::com::native {

class ServerLibraries {
 public:
  static ServerLibraries& instance();

  // Loads the library (once) and asks its DllGetClassObject.
  HRESULT GetClassObject(const std::string& path, REFCLSID clsid, REFIID iid, void** object);
  // Unloads the libraries whose DllCanUnloadNow answers S_OK.
  void FreeUnused();

  ServerLibraries(const ServerLibraries&) = delete;
  ServerLibraries& operator=(const ServerLibraries&) = delete;

 private:
  struct Library {
    void* handle;
    LPFNGETCLASSOBJECT getClassObject;
    LPFNCANUNLOADNOW canUnloadNow;  // optional export
  };

  ServerLibraries() = default;
  ~ServerLibraries() = default;  // what is still loaded stays until the process ends
  HRESULT Load(const std::string& path, Library& library);

  std::recursive_mutex mutex_;
  std::map<std::string, Library> libraries_;
};

}  // namespace corvane::com::native
