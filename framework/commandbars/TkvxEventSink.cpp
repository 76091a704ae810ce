#include "framework/commandbars/TkvxEventSink.h"

#include <string_view>

#include "framework/commandbars/TkvxBarModule.h"
#include "framework/commandbars/TkvxCommandBarControl.h"
#include "framework/events/EventArguments.h"
#include "platform/com/ComError.h"
#include "platform/com/ComGuard.h"
#include "platform/com/Dispatch.h"
#include "platform/com/ScopeExit.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

com::Variant Read(IDispatch* object, DISPID id) {
  return com::Dispatch::InvokeId(object, id, DISPATCH_PROPERTYGET, {});
}

int32_t ControlType(IDispatch* control) { return Read(control, Office::CommandBarControl::Type).ToInt32(); }

// The control's connection point for events; throws what the host answers.
com::ComPtr<IConnectionPoint> EventPoint(IDispatch* control, const IID& events) {
  if (!control) throw com::ComError(E_POINTER, u"The item has no host control.");
  const auto container = com::as<IConnectionPointContainer>(control);
  com::ComPtr<IConnectionPoint> point;
  com::ThrowIfFailed(container->FindConnectionPoint(events, point.put()));
  return point;
}

// Click of a button and Change of a box carry the same id: one sink
// answers both.
constexpr DISPID kControlEvent = Office::CommandBarButtonEvents::Click;
static_assert(Office::CommandBarComboBoxEvents::Change == kControlEvent);

// The only event name a control of that type has; empty for none.
std::u16string_view EventNameOf(int32_t type) {
  switch (type) {
    case Office::msoControlButton:
      return u"Click";
    case Office::msoControlEdit:
    case Office::msoControlDropdown:
    case Office::msoControlComboBox:
      return u"Change";
    default:
      return {};
  }
}

// Reading HelpFile and writing it back fails only on a reference whose
// control is gone (or was re-created by the user).
bool StillBound(IDispatch* control) {
  try {
    const com::Variant helpFile = Read(control, Office::CommandBarControl::HelpFile);
    com::Dispatch::InvokeId(control, Office::CommandBarControl::HelpFile, DISPATCH_PROPERTYPUT, {helpFile});
    return true;
  } catch (const com::ComError&) {
    return false;
  }
}

}  // namespace

com::ComPtr<TkvxEventSink> TkvxEventSink::Create(TkvxBarModule& Module, TkvxCommandBarControl& Item) {
  auto sink = com::ComPtr<TkvxEventSink>::adopt(new TkvxEventSink(Module, Item));
  IDispatch* control = Item.HostControl().get();
  if (!control) throw com::ComError(E_POINTER, u"The item has no host control to connect to.");
  sink->advised_ = ControlType(control) == Office::msoControlButton ? Office::CommandBarButtonEvents::iid
                                                                    : Office::CommandBarComboBoxEvents::iid;
  com::ThrowIfFailed(EventPoint(control, sink->advised_)->Advise(sink->identity(), &sink->cookie_));
  return sink;
}

void TkvxEventSink::DisconnectSink() noexcept {
  if (item_ && cookie_ != 0) {
    try {
      if (SUCCEEDED(EventPoint(item_->HostControl().get(), advised_)->Unadvise(cookie_))) cookie_ = 0;
    } catch (...) {
      // The control may be gone already; its sinks went with it.
    }
  }
  item_ = nullptr;
  module_ = nullptr;
}

void* TkvxEventSink::QueryOther(REFIID riid) {
  return IsEqualIID(riid, Office::CommandBarComboBoxEvents::iid) ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT TkvxEventSink::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId) {
  if (!rgDispId || !rgszNames) return E_POINTER;
  if (cNames != 1) return E_INVALIDARG;
  if (!item_ || !rgszNames[0]) return DISP_E_UNKNOWNNAME;
  return com::Guard([&]() -> HRESULT {
    const std::u16string_view known = EventNameOf(ControlType(item_->HostControl().get()));
    if (known.empty() || com::from_ole(rgszNames[0]) != known) return DISP_E_UNKNOWNNAME;
    rgDispId[0] = kControlEvent;
    return S_OK;
  });
}

HRESULT TkvxEventSink::Invoked(DISPID id, WORD, DISPPARAMS* params, VARIANT*) {
  if (id != kControlEvent) return DISP_E_MEMBERNOTFOUND;
  if (!params) return E_POINTER;
  // Re-binding the item releases the sink it had: this one, maybe.
  const com::ComPtr<TkvxEventSink> self(this);
  TkvxBarModule* module = module_;
  return com::GuardFixed(
      S_OK, [&] { Deliver(*params); },
      [module](std::exception_ptr error) {
        if (module) module->HandleError(error);
      });
}

void TkvxEventSink::Deliver(DISPPARAMS& params) {
  // Kept: re-binding may disconnect this sink from the item it serves.
  TkvxCommandBarControl* item = item_;
  if (!item) return;
  EventArguments arguments(&params);
  if (arguments.Count() == 0) return;
  const com::ComPtr<IDispatch> fired = arguments.Values()[0].ToDispatch();
  const auto control = fired.try_as<IDispatch>(Office::CommandBarControl::iid);
  if (!control) return;
  // Office raises the event on every control with the clicked one's tag.
  if (Read(control.get(), Office::CommandBarControl::Tag).ToText() != item->OfficeTag()) return;
  RebindIfStale(*item, control);
  Click(*item);
}

void TkvxEventSink::RebindIfStale(TkvxCommandBarControl& item, const com::ComPtr<IDispatch>& fired) {
  const com::ComPtr<IDispatch>& held = item.HostControl();
  if (held && StillBound(held.get())) return;
  const int32_t kind = item.ControlKind();
  const IID& wanted = kind == kvxKindButton || kind == kvxKindAdvancedControl ? Office::CommandBarButton::iid
                                                                              : Office::CommandBarComboBox::iid;
  com::ComPtr<IDispatch> typed = fired.try_as<IDispatch>(wanted);
  if (!typed) throw com::ComError(E_NOINTERFACE, u"The control that fired is not of its item's kind.");
  item.AttachHostControl(std::move(typed));
}

void TkvxEventSink::Click(TkvxCommandBarControl& item) {
  if (busy_) return;
  com::FlagScope busy(busy_);
  item.DoClick();
}

}  // namespace corvane::framework
