#include "framework/hosting/TkvxComServer.h"

#include <cstdio>

#include "framework/hosting/GuidText.h"
#include "framework/hosting/TkvxFactory.h"
#include "platform/com/ComError.h"
#include "platform/com/ComGuard.h"
#include "platform/com/ModulePath.h"
#include "platform/com/OwnTypeLib.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"

namespace corvane::framework {
namespace {

std::u16string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", value);
  return com::Utf8ToUtf16(text);
}

// Where the type library registration keeps the library's path for its
// platform: TypeLib\{libid}\<major>.<minor>\<lcid>\win32 (hexadecimal).
bool TypeLibRegistered(const com::TypeLibDescription& d) {
  std::u16string key = u"\\TypeLib\\" + GuidText(d.guid) + u"\\" + Hex(d.majorVersion) + u"." + Hex(d.minorVersion) +
                       u"\\" + Hex(d.lcid) + u"\\";
  key += d.syskind == SYS_WIN64 ? u"win64" : u"win32";
  return registry::Registry(HKEY_CLASSES_ROOT).KeyExists(key);
}

}  // namespace

TkvxComServer::TkvxComServer(const void* ModuleAddress, com::TypeLibDescription TypeLib)
    : fileName_(com::ModulePathOf(ModuleAddress)), typeLibDescription_(std::move(TypeLib)) {}

TkvxComServer::~TkvxComServer() = default;

const com::ComPtr<ITypeLib>& TkvxComServer::TypeLib() {
  if (!typeLib_) com::ThrowIfFailed(com::LoadOwnTypeLib(fileName_, typeLibDescription_, typeLib_.put()));
  return typeLib_;
}

void TkvxComServer::AddFactory(std::unique_ptr<TkvxFactory> Factory) { factories_.push_back(std::move(Factory)); }

HRESULT TkvxComServer::GetClassObject(REFCLSID ClassId, REFIID Iid, void** Object) {
  if (!Object) return E_POINTER;
  *Object = nullptr;
  for (const auto& factory : factories_) {
    if (IsEqualCLSID(factory->ClassId(), ClassId)) return factory->QueryInterface(Iid, Object);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

void TkvxComServer::Lock(bool Locked) {
  if (Locked) {
    ++locks_;
    ++objects_;
    return;
  }
  long held = locks_.load();
  while (held > 0 && !locks_.compare_exchange_weak(held, held - 1)) {
  }
  if (held > 0) --objects_;
}

HRESULT TkvxComServer::CanUnloadNow() const {
  return objects_ == 0 && factoryReferences_.Value() == 0 ? S_OK : S_FALSE;
}

HRESULT TkvxComServer::RegisterServer() noexcept {
  return com::GuardFixed(E_FAIL, [this] {
    const std::u16string folder = com::FolderOfPath(fileName_);
    com::ThrowIfFailed(RegisterTypeLib(TypeLib().get(), com::ole_mutable(fileName_), com::ole_mutable(folder)));
    for (const auto& factory : factories_) {
      if (factory->Instancing() != TkvxInstancing::Internal) factory->UpdateRegistry(true);
    }
  });
}

HRESULT TkvxComServer::UnregisterServer() noexcept {
  return com::GuardFixed(E_FAIL, [this] {
    const auto& d = typeLibDescription_;
    // A library that is not registered (a second unregistration) has nothing
    // to remove: the class and add-in entries must still go.
    const HRESULT hr = UnRegisterTypeLib(d.guid, d.majorVersion, d.minorVersion, d.lcid, d.syskind);
    if (FAILED(hr) && TypeLibRegistered(d)) com::ThrowIfFailed(hr);
    for (const auto& factory : factories_) {
      if (factory->Instancing() != TkvxInstancing::Internal) factory->UpdateRegistry(false);
    }
  });
}

}  // namespace corvane::framework
