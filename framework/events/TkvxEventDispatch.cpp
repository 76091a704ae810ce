#include "framework/events/TkvxEventDispatch.h"

#include "framework/events/EventArguments.h"
#include "framework/events/TkvxCustomEvents.h"
#include "framework/events/TkvxEventModule.h"
#include "platform/com/ComGuard.h"

namespace corvane::framework {

TkvxEventDispatch::TkvxEventDispatch(TkvxCustomEvents& Events)
    : events_(&Events), eventIid_(Events.ServerData().EventIID) {}

void TkvxEventDispatch::ReferenceCounted(bool added) {
  if (!events_) return;
  if (added) {
    events_->AddRef();
  } else {
    events_->Release();
  }
}

void* TkvxEventDispatch::QueryOther(REFIID riid) {
  return IsEqualIID(riid, eventIid_) ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT TkvxEventDispatch::Invoked(DISPID id, WORD, DISPPARAMS* params, VARIANT*) {
  // A handler may free the component, and with it the last reference the
  // host does not hold.
  const com::ComPtr<TkvxEventDispatch> self(this);
  return com::GuardFixed(S_OK, [&] { Route(id, params); });
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
