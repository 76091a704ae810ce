// The library's four exports over its one server, which is created with
// its factory when the library is loaded and freed when it is unloaded.
#include <memory>

#include "addin/library/CVFMClasses.h"
#include "addin/library/CVFMTypeLib.h"
#include "framework/hosting/TkvxComServer.h"
#include "platform/com/ComGuard.h"

namespace {

using corvane::framework::TkvxComServer;

std::unique_ptr<TkvxComServer> CreateServer() {
  static const int inThisLibrary = 0;
  auto server = std::make_unique<TkvxComServer>(&inThisLibrary, corvane::addin::CVFMTypeLib());
  corvane::addin::CreateCVFMFactory(*server);
  return server;
}

// Null when the library could not set its server up (out of memory): every
// export then fails rather than the load.
std::unique_ptr<TkvxComServer> theServer = [] {
  try {
    return CreateServer();
  } catch (...) {
    return std::unique_ptr<TkvxComServer>();
  }
}();

}  // namespace

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (!theServer) {
    if (ppv) *ppv = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return corvane::com::Guard([&] { return theServer->GetClassObject(rclsid, riid, ppv); });
}

STDAPI DllCanUnloadNow() { return theServer ? theServer->CanUnloadNow() : S_OK; }

STDAPI DllRegisterServer() { return theServer ? theServer->RegisterServer() : E_FAIL; }

STDAPI DllUnregisterServer() { return theServer ? theServer->UnregisterServer() : E_FAIL; }
