// The IDispatch a host event component is advised with. The host calls it
// with a DISPID and its arguments last-first; it hands them to the
// component's InvokeEvent in natural order, reports a handler's exception
// to the module and copies by-reference arguments back, so that a Cancel a
// handler set is what the host reads. Every call answers S_OK.
//
// While attached, each reference taken on it is counted on the component
// too. Detached (the component is gone), it answers calls with S_OK and
// does nothing, and the host's last Release frees it.
#pragma once

#include "platform/com/DispatchStub.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxCustomEvents;

class TkvxEventDispatch final : public com::DispatchStub<IDispatch> {
 public:
  explicit TkvxEventDispatch(TkvxCustomEvents& Events);

  void Detach() { events_ = nullptr; }
  bool Attached() const { return events_ != nullptr; }

 protected:
  // The component's event interface, answered with this IDispatch.
  void* QueryOther(REFIID riid) override;
  // While attached, the reference is counted on the component too.
  void ReferenceCounted(bool added) override;
  HRESULT Invoked(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result) override;

 private:
  void Route(DISPID id, DISPPARAMS* params);

  TkvxCustomEvents* events_;
  // Kept apart so that a detached dispatcher still answers its interface.
  IID eventIid_;
};

}  // namespace corvane::framework
