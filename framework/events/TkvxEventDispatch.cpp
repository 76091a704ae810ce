#include "framework/events/TkvxEventDispatch.h"

#include "framework/events/EventArguments.h"
#include "framework/events/TkvxCustomEvents.h"
#include "framework/events/TkvxEventModule.h"
#include "platform/com/ComGuard.h"

namespace corvane::framework {

TkvxEventDispatch::TkvxEventDispatch(TkvxCustomEvents& Events)
    : events_(&Events), eventIid_(Events.ServerData().EventIID) {}

ULONG TkvxEventDispatch::AddRef() {
  if (events_) events_->AddRef();
  return ComObject::AddRef();
}

ULONG TkvxEventDispatch::Release() {
  if (events_) events_->Release();
  return ComObject::Release();
}

void* TkvxEventDispatch::QueryOther(REFIID riid) {
  return IsEqualIID(riid, eventIid_) ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT TkvxEventDispatch::GetTypeInfoCount(UINT* pctinfo) {
  if (!pctinfo) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

HRESULT TkvxEventDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
  if (ppTInfo) *ppTInfo = nullptr;
  return E_NOTIMPL;
}

HRESULT TkvxEventDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT TkvxEventDispatch::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams, VARIANT*,
                                  EXCEPINFO*, UINT*) {
  // A handler may free the component, and with it the last reference the
  // host does not hold.
  const com::ComPtr<TkvxEventDispatch> self(this);
  return com::GuardFixed(S_OK, [&] { Route(dispIdMember, pDispParams); });
}

void TkvxEventDispatch::Route(DISPID id, DISPPARAMS* params) {
  EventArguments arguments(params);
  if (events_) {
    try {
      events_->InvokeEvent(id, arguments.Values());
    } catch (...) {
      if (events_) events_->Module().HandleError(std::current_exception());
    }
  }
  if (params) arguments.WriteBack(*params);
}

}  // namespace corvane::framework
