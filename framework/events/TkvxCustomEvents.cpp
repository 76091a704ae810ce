#include "framework/events/TkvxCustomEvents.h"

#include "framework/events/TkvxEventDispatch.h"
#include "framework/events/TkvxEventModule.h"
#include "platform/com/ComError.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/Text.h"

namespace corvane::framework {
TComponent* TkvxCustomEvents::CheckedOwner(TComponent* Owner, std::string_view ClassName) {
  if (dynamic_cast<TkvxEventModule*>(Owner)) return Owner;
  if (auto* events = dynamic_cast<TkvxCustomEvents*>(Owner); events && events->OwnsSubSinks()) return Owner;
  const std::u16string owner = Owner ? com::Utf8ToUtf16(Owner->ClassName()) : u"nil";
  com::RaiseFrameworkError(com::FrameworkError::kEventComponentOwner, {com::Utf8ToUtf16(ClassName), owner});
}

TkvxCustomEvents::TkvxCustomEvents(TComponent* Owner, TkvxServerData& Data, std::string_view ClassName)
    : TComponent(CheckedOwner(Owner, ClassName)), data_(Data) {
  dispatch_ = com::Make<TkvxEventDispatch>(*this);
  ++data_.InstanceCount;
}

TkvxCustomEvents::~TkvxCustomEvents() {
  TkvxCustomEvents::Disconnect();
  dispatch_->Detach();
  dispatch_.reset();
  --data_.InstanceCount;
}

void TkvxCustomEvents::InvokeEvent(DISPID, std::vector<com::Variant>&) {}

void TkvxCustomEvents::ConnectTo(IUnknown* HostObject) {
  Disconnect();
  if (!HostObject) throw com::ComError(E_POINTER, u"No host object to connect the events to.");
  com::ComPtr<IDispatch> host = com::try_as<IDispatch>(HostObject, data_.IntfIID);
  if (!host) throw com::ComError(E_NOINTERFACE, u"The host object does not support the interface of its events.");
  host_ = std::move(host);
  Advise();
}

void TkvxCustomEvents::ConnectToVersion(IUnknown* HostObject, std::u16string_view) { ConnectTo(HostObject); }

void TkvxCustomEvents::Disconnect() {
  if (!host_) return;
  Unadvise();
  host_.reset();
}

TkvxEventModule& TkvxCustomEvents::Module() const {
  TComponent* owner = Owner();
  while (auto* events = dynamic_cast<TkvxCustomEvents*>(owner)) owner = events->Owner();
  // The constructor admitted only these owners.
  return dynamic_cast<TkvxEventModule&>(*owner);
}

com::ComPtr<IConnectionPoint> TkvxCustomEvents::EventPoint() const noexcept {
  const auto container = host_.try_as<IConnectionPointContainer>();
  com::ComPtr<IConnectionPoint> point;
  if (!container || FAILED(container->FindConnectionPoint(data_.EventIID, point.put()))) point.reset();
  return point;
}

void TkvxCustomEvents::Advise() noexcept {
  cookie_ = 0;
  const com::ComPtr<IConnectionPoint> point = EventPoint();
  DWORD cookie = 0;
  if (point && SUCCEEDED(point->Advise(dispatch_->identity(), &cookie))) cookie_ = cookie;
}

void TkvxCustomEvents::Unadvise() noexcept {
  if (cookie_ == 0) return;
  const com::ComPtr<IConnectionPoint> point = EventPoint();
  if (point && SUCCEEDED(point->Unadvise(cookie_))) cookie_ = 0;
}

}  // namespace corvane::framework
