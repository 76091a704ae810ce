#include "framework/commandbars/ControlEventLink.h"

#include "framework/commandbars/TkvxBarModule.h"
#include "framework/commandbars/TkvxCommandBarControl.h"

namespace corvane::framework {

void ControlEventLink::Bind(TkvxCommandBarControl& Item, const IID& Interface) {
  Drop();
  const com::ComPtr<IDispatch>& control = Item.HostControl();
  host_ = control.try_as<IDispatch>(Interface);
  if (!host_) return;
  item_ = &Item;
  sink_ = TkvxEventSink::Create(Item.Module(), Item);
  Item.Module().AddSink(sink_.get());
}

void ControlEventLink::Drop() noexcept {
  if (sink_) {
    // Unadvised while the control it was advised on is still held.
    sink_->DisconnectSink();
    if (item_) item_->Module().RemoveSink(sink_.get());
    sink_ = nullptr;
  }
  host_ = nullptr;
  item_ = nullptr;
}

}  // namespace corvane::framework
