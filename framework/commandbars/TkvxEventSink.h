// The sink of one command bar control's Click (a button) or Change (an
// edit, drop-down or combo box) event. Office calls every sink of every
// control that carries the same Tag, so the sink checks that the control
// which fired is its item's (the item's OfficeTag), re-binds an item whose
// own control reference went stale, drops a click that arrives while the
// previous one is still being handled, and hands exceptions to the
// module's HandleError. The host always gets S_OK for an event it owns.
//
// Answers IUnknown and the two control event interfaces with its IDispatch;
// IDispatch itself is refused, as Office never asks for it.
#pragma once

#include "framework/events/OfficeEventInterfaces.h"
#include "platform/com/ComPtr.h"
#include "platform/com/DispatchStub.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxBarModule;
class TkvxCommandBarControl;

class TkvxEventSink final : public com::DispatchStub<CommandBarButtonEvents> {
 public:
  // Advises a new sink on Item's host control: button events when its Type
  // is a button, combo box events otherwise. A failing host call throws and
  // nothing stays advised.
  static com::ComPtr<TkvxEventSink> Create(TkvxBarModule& Module, TkvxCommandBarControl& Item);

  // Unadvises from the item's host control (errors swallowed) and lets go
  // of the module and the item: a host that still calls finds a detached
  // sink, which answers S_OK and does nothing.
  void DisconnectSink() noexcept;

  TkvxCommandBarControl* Item() const { return item_; }
  DWORD Cookie() const { return cookie_; }
  bool Busy() const { return busy_; }

  // The one event name of the control's type.
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;

 protected:
  void* QueryOther(REFIID riid) override;
  HRESULT Invoked(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result) override;

 private:
  TkvxEventSink(TkvxBarModule& Module, TkvxCommandBarControl& Item) : module_(&Module), item_(&Item) {}

  void Deliver(DISPPARAMS& params);
  void RebindIfStale(TkvxCommandBarControl& item, const com::ComPtr<IDispatch>& fired);
  void Click(TkvxCommandBarControl& item);

  TkvxBarModule* module_;
  TkvxCommandBarControl* item_;
  // The interface chosen at connection is the one to unadvise, whatever
  // control the item was re-bound to since.
  IID advised_ = Office::CommandBarButtonEvents::iid;
  DWORD cookie_ = 0;
  bool busy_ = false;
};

}  // namespace corvane::framework
