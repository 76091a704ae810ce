// The base of the host application event components. A component is
// designed on the add-in module (its owner), connected by the module once
// the host is known and freed with it. It reaches the host's events through
// its dispatcher (TkvxEventDispatch), which the host calls and which hands
// each call to InvokeEvent with the arguments in natural order.
//
// The component answers IUnknown but its reference count only counts: the
// owner frees it. The dispatcher may outlive it, detached, for as long as
// the host still holds references on it.
#pragma once

#include <string_view>
#include <vector>

#include "framework/design/TComponent.h"
#include "framework/events/TkvxServerData.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxEventModule;
class TkvxEventDispatch;

class TkvxCustomEvents : public TComponent, public com::CountedObject<IUnknown> {
 public:
  ~TkvxCustomEvents() override;

  std::string_view ClassName() const override { return "TkvxCustomEvents"; }

  // One host call, Params[0] being the event's first parameter. The base
  // handles no event.
  virtual void InvokeEvent(DISPID DispID, std::vector<com::Variant>& Params);
  // Disconnects, holds HostObject's default interface (ComError
  // E_NOINTERFACE when it has none: nothing is held) and advises on the
  // event interface. A host without the connection point connects with
  // cookie 0 and sends no events.
  virtual void ConnectTo(IUnknown* HostObject);
  // Version: the host's major version; sinks of hosts with one event
  // interface ignore it.
  virtual void ConnectToVersion(IUnknown* HostObject, std::u16string_view Version);
  // Unadvises (silently) and releases the host object.
  virtual void Disconnect();

  const TkvxServerData& ServerData() const { return data_; }
  DWORD Cookie() const { return cookie_; }
  bool Connected() const { return static_cast<bool>(host_); }
  // The dispatcher the host is advised with (the component's own reference).
  TkvxEventDispatch& Dispatcher() const { return *dispatch_.get(); }
  // The module whose HandleError receives the handlers' exceptions: the
  // owner, or the owner's module for a sub-sink.
  TkvxEventModule& Module() const;

 protected:
  // Owner must be the add-in module, or an event component that owns
  // sub-sinks; otherwise framework error 31113 naming ClassName and the
  // owner's class ("nil" without one), and nothing is created.
  TkvxCustomEvents(TComponent* Owner, TkvxServerData& Data, std::string_view ClassName);

  // The connected host object (its default interface), null when not.
  const com::ComPtr<IDispatch>& HostObject() const { return host_; }
  // True for a component that owns sub-sinks of its own.
  virtual bool OwnsSubSinks() const { return false; }

 private:
  static TComponent* CheckedOwner(TComponent* Owner, std::string_view ClassName);
  void Advise() noexcept;
  void Unadvise() noexcept;
  com::ComPtr<IConnectionPoint> EventPoint() const noexcept;

  TkvxServerData& data_;
  com::ComPtr<TkvxEventDispatch> dispatch_;
  DWORD cookie_ = 0;
  com::ComPtr<IDispatch> host_;
};

}  // namespace corvane::framework
