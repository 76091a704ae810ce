#include "sim/office/objects/ControlCore.h"

#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/Clicks.h"

namespace corvane::sim::office {

ControlProperties& ControlCore::Props() { return Live()->props(); }

com::Variant ControlCore::GetBuiltIn(Args&) { return Live()->builtIn(); }

// Delete([Temporary]).
com::Variant ControlCore::Delete(Args& args) {
  Live()->Delete(args[0].Bool(false));
  return {};
}

com::Variant ControlCore::Execute(Args&) {
  ExecuteControl(LiveSet(set_), Live());
  return {};
}

com::Variant ControlCore::GetId(Args&) { return Live()->id(); }

com::Variant ControlCore::GetIndex(Args&) { return Live()->index(); }

// Move([Bar], [Before]): Bar omitted keeps the control on its bar.
com::Variant ControlCore::Move(Args& args) {
  auto control = Live();
  std::shared_ptr<Bar> target;
  if (args[0].present()) {
    target = BarOf(args[0].Object().get());
    if (!target) ThrowInvalidArgument("Invalid procedure call or argument");
  }
  control->MoveTo(target, args[1].Int(0));
  return NewControlObject(set_, control);
}

// Office lays a bar's controls out side by side from the bar's corner.
com::Variant ControlCore::GetLeft(Args&) {
  auto control = Live();
  auto bar = control->parent();
  int32_t left = bar->props().left;
  for (const auto& sibling : bar->Controls()) {
    if (sibling == control) break;
    left += sibling->props().width;
  }
  return left;
}

com::Variant ControlCore::GetParent(Args&) { return NewCommandBarObject(set_, Live()->parent()); }

com::Variant ControlCore::GetTop(Args&) { return Live()->parent()->props().top; }

com::Variant ControlCore::GetType(Args&) { return Live()->type(); }

std::vector<std::shared_ptr<EventSource>> ControlCore::SourcesFor(const IID& events, const char* label) const {
  auto control = Live();
  if (!control->events()) control->events() = std::make_shared<EventSource>(events, label);
  return {control->events()};
}

std::shared_ptr<Bar> LiveBar(const std::weak_ptr<Bar>& bar) {
  auto locked = bar.lock();
  if (!locked || !locked->live()) throw InvokeError(kDisconnected);
  return locked;
}

std::shared_ptr<Control> LiveControl(const std::weak_ptr<Control>& control) {
  auto locked = control.lock();
  if (!locked || !locked->live()) throw InvokeError(kDisconnected);
  return locked;
}

std::shared_ptr<CommandBarSet> LiveSet(const BarSetLink& set) { return Alive(set); }

}  // namespace corvane::sim::office
