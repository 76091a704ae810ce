// The in-process server a library is: one per loaded library, from load to
// unload. It keeps the two counters DllCanUnloadNow looks at, the list of
// the library's class factories, and the library's own type library.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/RefCount.h"
#include "platform/com/TypeLibDescription.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxFactory;

class TkvxComServer {
 public:
  // The server of the library that holds `ModuleAddress` (any address in
  // its code), whose type library `TypeLib` describes.
  TkvxComServer(const void* ModuleAddress, com::TypeLibDescription TypeLib);
  ~TkvxComServer();
  TkvxComServer(const TkvxComServer&) = delete;
  TkvxComServer& operator=(const TkvxComServer&) = delete;

  // Full path of the library file.
  const std::u16string& ServerFileName() const { return fileName_; }
  const com::TypeLibDescription& TypeLibDescription() const { return typeLibDescription_; }
  // Loaded from the library's own type library the first time it is needed;
  // throws ComError when it cannot be loaded.
  const com::ComPtr<ITypeLib>& TypeLib();

  // Factories register themselves when constructed; the server frees them
  // when it is freed.
  void AddFactory(std::unique_ptr<TkvxFactory> Factory);
  const std::vector<std::unique_ptr<TkvxFactory>>& Factories() const { return factories_; }

  // Live objects: every COM object of the server, and LockServer(TRUE) not
  // yet undone. Factory references: AddRef/Release on a factory, counted
  // here.
  void CountObject(bool Alive) { Alive ? ++objects_ : --objects_; }
  // LockServer: an unlock without a lock to undo is ignored, so that a
  // client's stray FALSE cannot keep the library loaded for good.
  void Lock(bool Locked);
  long ObjectCount() const { return objects_; }
  long FactoryReferenceCount() const { return static_cast<long>(factoryReferences_.Value()); }
  com::RefCount& FactoryReferences() { return factoryReferences_; }

  // The exports' work.
  HRESULT GetClassObject(REFCLSID ClassId, REFIID Iid, void** Object);
  HRESULT CanUnloadNow() const;
  HRESULT RegisterServer() noexcept;
  HRESULT UnregisterServer() noexcept;

 private:
  std::u16string fileName_;
  com::TypeLibDescription typeLibDescription_;
  com::ComPtr<ITypeLib> typeLib_;
  std::vector<std::unique_ptr<TkvxFactory>> factories_;
  std::atomic<long> objects_{0};
  com::RefCount factoryReferences_;
  // The part of objects_ that LockServer(TRUE) added.
  std::atomic<long> locks_{0};
};

}  // namespace corvane::framework
