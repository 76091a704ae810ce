#include "framework/hosting/TkvxAddin.h"

#include "framework/hosting/TkvxCOMAddInModule.h"
#include "framework/hosting/TkvxComServer.h"
#include "framework/hosting/TkvxFactory.h"
#include "platform/com/ComError.h"
#include "platform/com/ComGuard.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"
#include "published/Office.h"

namespace corvane::framework {
namespace {

constexpr char16_t kSource[] = u"TkvxAddin";

// The default interface of the class in the server's type library.
com::ComPtr<ITypeInfo> DefaultInterfaceInfo(TkvxFactory& factory) {
  com::ComPtr<ITypeInfo> coclass;
  com::ThrowIfFailed(factory.ComServer().TypeLib()->GetTypeInfoOfGuid(factory.ClassId(), coclass.put()));
  TYPEATTR* attr = nullptr;
  com::ThrowIfFailed(coclass->GetTypeAttr(&attr));
  const WORD count = attr->cImplTypes;
  coclass->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < count; ++i) {
    INT flags = 0;
    if (FAILED(coclass->GetImplTypeFlags(i, &flags)) || !(flags & IMPLTYPEFLAG_FDEFAULT)) continue;
    HREFTYPE ref = 0;
    com::ThrowIfFailed(coclass->GetRefTypeOfImplType(i, &ref));
    com::ComPtr<ITypeInfo> info;
    com::ThrowIfFailed(coclass->GetRefTypeInfo(ref, info.put()));
    return info;
  }
  throw com::ComError(TYPE_E_ELEMENTNOTFOUND, u"The class has no default interface");
}

// The connection object's handler of an Excel event: calls the saved one,
// when there is one, with the same arguments, and hands its error to the
// module. Both live in the connection object, which outlives the handler
// (the module owns the Excel application object that holds it).
template <class... Args>
std::function<void(TExcelApplication&, Args...)> Chained(const std::function<void(TExcelApplication&, Args...)>& saved,
                                                         const std::unique_ptr<TkvxCOMAddInModule>& module) {
  return [&saved, &module](TExcelApplication& Sender, Args... args) {
    if (!saved || !module) return;
    try {
      saved(Sender, args...);
    } catch (...) {
      module->HandleError(std::current_exception());
    }
  };
}

}  // namespace

TkvxAddin::TkvxAddin(TkvxFactory& Factory) : factory_(Factory) { factory_.ComServer().CountObject(true); }

TkvxAddin::~TkvxAddin() {
  // Office let go without disconnecting: the module goes with its owner,
  // without events, so that it keeps no host object alive.
  module_.reset();
  factory_.ComServer().CountObject(false);
}

void* TkvxAddin::QueryOther(REFIID Iid) {
  return IsEqualIID(Iid, IID_IDispatch) ? static_cast<IDispatch*>(this) : nullptr;
}

bool TkvxAddin::ReportsErrorInfo(REFIID Iid) const { return IsEqualIID(Iid, com::iid_of<IDTExtensibility2>()); }

STDMETHODIMP TkvxAddin::InterfaceSupportsErrorInfo(REFIID Iid) { return ReportsErrorInfo(Iid) ? S_OK : S_FALSE; }

const com::ComPtr<ITypeInfo>& TkvxAddin::TypeInfo() {
  if (!typeInfo_) typeInfo_ = DefaultInterfaceInfo(factory_);
  return typeInfo_;
}

STDMETHODIMP TkvxAddin::GetTypeInfoCount(UINT* Count) {
  if (!Count) return E_POINTER;
  *Count = 1;
  return S_OK;
}

STDMETHODIMP TkvxAddin::GetTypeInfo(UINT Index, LCID, ITypeInfo** Info) {
  if (!Info) return E_POINTER;
  *Info = nullptr;
  if (Index != 0) return DISP_E_BADINDEX;
  return com::Guard([&] { return TypeInfo().copy_to(Info); }, kSource);
}

STDMETHODIMP TkvxAddin::GetIDsOfNames(REFIID Iid, LPOLESTR* Names, UINT Count, LCID, DISPID* Ids) {
  if (!IsEqualIID(Iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (!Names || !Ids) return E_POINTER;
  return com::Guard(
      [&] {
        const HRESULT hr = TypeInfo()->GetIDsOfNames(Names, Count, Ids);
        if (hr != E_NOTIMPL) return hr;
        // A type info that cannot look names up knows none of them.
        for (UINT i = 0; i < Count; ++i) Ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
      },
      kSource);
}

STDMETHODIMP TkvxAddin::Invoke(DISPID Member, REFIID Iid, LCID, WORD Flags, DISPPARAMS* Params, VARIANT* Result,
                               EXCEPINFO* Exception, UINT* ArgError) {
  if (!IsEqualIID(Iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  return com::Guard(
      [&] {
        const HRESULT hr =
            TypeInfo()->Invoke(static_cast<IDispatch*>(this), Member, Flags, Params, Result, Exception, ArgError);
        return hr == E_NOTIMPL ? DISP_E_MEMBERNOTFOUND : hr;
      },
      kSource);
}

TkvxCOMAddInModule& TkvxAddin::ConnectedModule() const {
  if (!module_) throw com::ComError(E_UNEXPECTED, u"The add-in is not connected.");
  return *module_;
}

STDMETHODIMP TkvxAddin::OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst,
                                     SAFEARRAY**) {
  return com::Guard(
      [&] {
        // A second connection would drop the first one's module without its
        // finalization.
        if (module_) throw com::ComError(E_UNEXPECTED, u"The add-in is already connected.");
        try {
          Connect(Application, ConnectMode, AddInInst);
        } catch (...) {
          // Office counts the add-in unloaded and never disconnects it: a
          // toolbar built by now must not stay enabled, reaching nothing.
          if (module_) module_->Abandon();
          throw;
        }
      },
      kSource);
}

void TkvxAddin::Connect(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst) {
  module_ = factory_.CreateModule();
  module_->SetHostApp(com::ComPtr<IDispatch>(Application));
  module_->SetConnection(this);
  module_->SetFactory(&factory_);
  if (ConnectMode != ext_cm_Startup) StartupWork();
  if (!AddInInst) return;
  module_->SetAddInEntry(AddInInst);
  if (const auto& entry = module_->AddInEntry()) {
    com::Dispatch(entry).Put(Office::COMAddIn::Object, com::Variant(static_cast<IDispatch*>(this)));
  }
}

STDMETHODIMP TkvxAddin::OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY**) {
  if (!module_) return com::Guard([&] { ConnectedModule(); }, kSource);
  const HRESULT result = com::Guard([&] { module_->Finalize(RemoveMode != ext_dm_HostShutdown); }, kSource);
  // Freed in every case, also when the steps above failed.
  module_.reset();
  savedWorkbookActivate_ = nullptr;
  savedSheetActivate_ = nullptr;
  return result;
}

STDMETHODIMP TkvxAddin::OnAddInsUpdate(SAFEARRAY**) { return S_OK; }

STDMETHODIMP TkvxAddin::OnStartupComplete(SAFEARRAY**) {
  return com::Guard([&] { StartupWork(); }, kSource);
}

STDMETHODIMP TkvxAddin::OnBeginShutdown(SAFEARRAY**) {
  return com::Guard([&] { ConnectedModule().BeginShutdown(); }, kSource);
}

void TkvxAddin::StartupWork() {
  // The module's sequence calls Interpose back once its host is Excel.
  ConnectedModule().StartupSequence();
}

void TkvxAddin::Interpose(TExcelApplication& Excel) {
  // Whatever the add-in installed during its initialize or start-up
  // complete handler is kept here and called from the connection object's
  // handler; its errors end in HandleError, never in Excel.
  savedWorkbookActivate_ = std::move(Excel.OnWorkbookActivate);
  savedSheetActivate_ = std::move(Excel.OnSheetActivate);
  Excel.OnWorkbookActivate = Chained(savedWorkbookActivate_, module_);
  Excel.OnSheetActivate = Chained(savedSheetActivate_, module_);
}

}  // namespace corvane::framework
