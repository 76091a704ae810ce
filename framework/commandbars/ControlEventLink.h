// What an item with events (a button, a box) keeps of its bound host
// control: the control as the item's own host interface and the sink
// advised on it, listed in the module's sinks. Rebinding drops the sink of
// the control bound before, so a control never has two sinks of one item.
#pragma once

#include "framework/commandbars/TkvxEventSink.h"
#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxCommandBarControl;

class ControlEventLink {
 public:
  ControlEventLink() = default;
  ~ControlEventLink() { Drop(); }
  ControlEventLink(const ControlEventLink&) = delete;
  ControlEventLink& operator=(const ControlEventLink&) = delete;

  // Binds Item's host control (already attached) as Interface; a control
  // answering it gets a new sink. A sink that cannot be advised is thrown,
  // the control staying bound without one.
  void Bind(TkvxCommandBarControl& Item, const IID& Interface);
  // Disconnects the sink (off the module's list) and lets go of the control.
  void Drop() noexcept;

  // The host control as the item's interface, or null.
  const com::ComPtr<IDispatch>& Host() const { return host_; }
  TkvxEventSink* Sink() const { return sink_.get(); }

 private:
  TkvxCommandBarControl* item_ = nullptr;
  com::ComPtr<IDispatch> host_;
  com::ComPtr<TkvxEventSink> sink_;
};

}  // namespace corvane::framework
