// The class factory of the add-in's connection class: it creates connection
// objects for the COM runtime, makes the add-in's module from the module
// class, and registers or unregisters the class and the add-in with the
// hosts it supports. One per loaded library, owned by the server; its
// references are counted on the server (the library stays while a client
// holds a factory), and the server frees it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/commandbars/OfficeHostApp.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxComServer;
class TkvxCOMAddInModule;
class TkvxFactory;

// The module class: makes the add-in's module (its design streamed in,
// no host needed).
using TkvxModuleClass = std::unique_ptr<TkvxCOMAddInModule> (*)();
// The connection class: makes a connection object of the factory and
// returns its IUnknown holding one reference.
using TkvxConnectionClass = com::ComPtr<IUnknown> (*)(TkvxFactory& Factory);

enum class TkvxInstancing { Internal, Single, Multiple };
enum class TkvxThreadingModel { Single, Apartment, Free, Both };

class TkvxFactory final : public com::OuterCountedObject<IClassFactory> {
 public:
  // Creates the factory (multiple instancing, apartment threading) and
  // hands it to the server's list of factories.
  static TkvxFactory& Create(TkvxComServer& Server, TkvxConnectionClass ConnectionClass, const CLSID& ClassId,
                             TkvxModuleClass ModuleClass);
  ~TkvxFactory() override;

  // IClassFactory.
  STDMETHODIMP CreateInstance(IUnknown* Outer, REFIID Iid, void** Object) override;
  STDMETHODIMP LockServer(BOOL Lock) override;

  TkvxComServer& ComServer() const { return server_; }
  const CLSID& ClassId() const { return classId_; }
  TkvxInstancing Instancing() const { return TkvxInstancing::Multiple; }
  TkvxThreadingModel ThreadingModel() const { return TkvxThreadingModel::Apartment; }
  // The coclass's name and help string in the server's type library.
  std::u16string ClassName() const;
  std::u16string Description() const;

  // A new module of the module class.
  std::unique_ptr<TkvxCOMAddInModule> CreateModule() const;

  // Registration (true) or unregistration of the class and the add-in;
  // throws on failure.
  void UpdateRegistry(bool Register);
  // "<type library name>.<class name>".
  std::u16string GetProgID() const;
  // The add-in key of the host, from the root of a hive.
  std::u16string GetAddinKey(TkvxOfficeHostApp Host) const;
  // The host's ProgID resolves to a class identifier that is not null.
  bool IsHostInstalled(TkvxOfficeHostApp Host) const;
  // The host's major version from its "CurVer" key; 9 when unknown.
  int GetHostVersion(TkvxOfficeHostApp Host) const;
  // The hosts of the set that are installed, in ordinal order: the hosts
  // every registration step loops over.
  std::vector<TkvxOfficeHostApp> InstalledHosts(TkvxHostAppSet Supported) const;

 private:
  TkvxFactory(TkvxComServer& Server, TkvxConnectionClass ConnectionClass, const CLSID& ClassId,
              TkvxModuleClass ModuleClass);

  TkvxComServer& server_;
  TkvxConnectionClass connectionClass_;
  CLSID classId_;
  TkvxModuleClass moduleClass_;
};

}  // namespace corvane::framework
