// The connection object Office creates through the class factory and drives
// through IDTExtensibility2. It owns the add-in's module for the length of a
// connection: creates it on connection, runs the start-up work once
// (whichever of OnConnection and OnStartupComplete asks first), relays the
// host's shutdown, and on disconnection removes the toolbars when the user
// unloaded the add-in, raises the finalize event and frees the module.
//
// It is an automation object over the server's type library (IDispatch
// answers from the coclass's default interface) and a live object of the
// server for as long as it exists. Every method returns S_OK or a failing
// result with the thread's error info set; no exception leaves it.
#pragma once

#include <memory>

#include "framework/events/TExcelApplication.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "published/Extensibility.h"

namespace corvane::framework {

class TkvxCOMAddInModule;
class TkvxFactory;

class TkvxAddin : public com::ComObject<IDTExtensibility2, ISupportErrorInfo> {
 public:
  explicit TkvxAddin(TkvxFactory& Factory);
  ~TkvxAddin() override;

  // IDispatch, over the type info of the coclass's default interface.
  STDMETHODIMP GetTypeInfoCount(UINT* Count) override;
  STDMETHODIMP GetTypeInfo(UINT Index, LCID Locale, ITypeInfo** Info) override;
  STDMETHODIMP GetIDsOfNames(REFIID Iid, LPOLESTR* Names, UINT Count, LCID Locale, DISPID* Ids) override;
  STDMETHODIMP Invoke(DISPID Member, REFIID Iid, LCID Locale, WORD Flags, DISPPARAMS* Params, VARIANT* Result,
                      EXCEPINFO* Exception, UINT* ArgError) override;

  // IDTExtensibility2, in its slot order.
  STDMETHODIMP OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst,
                            SAFEARRAY** custom) override;
  STDMETHODIMP OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) override;
  STDMETHODIMP OnAddInsUpdate(SAFEARRAY** custom) override;
  STDMETHODIMP OnStartupComplete(SAFEARRAY** custom) override;
  STDMETHODIMP OnBeginShutdown(SAFEARRAY** custom) override;

  // ISupportErrorInfo: S_OK for the interfaces whose failures leave the
  // thread's error info set.
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID Iid) override;

  TkvxFactory& Factory() const { return factory_; }
  // Null before OnConnection and after OnDisconnection.
  TkvxCOMAddInModule* Module() const { return module_.get(); }
  // Saves the add-in's WorkbookActivate and SheetActivate handlers and puts
  // the connection object's own in front of them: called by the module's
  // start-up once, after the start mode is recorded.
  void Interpose(TExcelApplication& Excel);

 protected:
  void* QueryOther(REFIID Iid) override;
  // The connection interface; a derived class adds its default interface.
  virtual bool ReportsErrorInfo(REFIID Iid) const;

 private:
  // The connection's steps after the module exists; a failure lets the
  // module go of the host before it reaches Office.
  void Connect(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst);
  // The module, or E_UNEXPECTED for a call outside a connection.
  TkvxCOMAddInModule& ConnectedModule() const;
  // Start-up work; at most once per connection.
  void StartupWork();
  const com::ComPtr<ITypeInfo>& TypeInfo();

  TkvxFactory& factory_;
  std::unique_ptr<TkvxCOMAddInModule> module_;
  TExcelWorkbookEvent savedWorkbookActivate_;
  TExcelSheetEvent savedSheetActivate_;
  com::ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace corvane::framework
