// What every command bar control answers (the CommandBarControl members,
// 0x6004xxxx), shared by the button, combo box, popup and plain control
// wrappers: each lists ControlMembers<Self>() before its own members and
// derives from FieldAccess<Self> and Forwarding<Self> besides ControlCore.
#pragma once

#include <memory>
#include <vector>

#include "sim/core/SimObject.h"
#include "sim/office/model/ControlProperties.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/FieldAccess.h"
#include "sim/office/objects/Forwarding.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

class ControlCore {
 public:
  ControlCore(BarSetLink set, std::weak_ptr<Control> control) : set_(std::move(set)), control_(std::move(control)) {}

  ControlProperties& Props();
  const std::weak_ptr<Control>& control() const { return control_; }

  com::Variant GetBuiltIn(Args& args);
  com::Variant Delete(Args& args);
  com::Variant Execute(Args& args);
  com::Variant GetId(Args& args);
  com::Variant GetIndex(Args& args);
  com::Variant Move(Args& args);
  com::Variant GetLeft(Args& args);
  com::Variant GetParent(Args& args);
  com::Variant GetTop(Args& args);
  com::Variant GetType(Args& args);

 protected:
  std::shared_ptr<Control> Live() const { return LiveControl(control_); }
  const BarSetLink& set() const { return set_; }
  // The control's Click or Change sinks, made on first use.
  std::vector<std::shared_ptr<EventSource>> SourcesFor(const IID& events, const char* label) const;

 private:
  BarSetLink set_;
  std::weak_ptr<Control> control_;
};

template <class T>
std::vector<Member<T>> ControlMembers(std::vector<Member<T>> own) {
  std::vector<Member<T>> members{
      FieldProperty<T, &ControlProperties::beginGroup>(0x60040000, u"BeginGroup"),
      Get<T>(0x60040002, u"BuiltIn", &T::template Call<&ControlCore::GetBuiltIn>),
      FieldProperty<T, &ControlProperties::caption>(0x60040003, u"Caption"),
      Method<T>(0x60040007, u"Delete", &T::template Call<&ControlCore::Delete>).Takes(1),
      FieldProperty<T, &ControlProperties::descriptionText>(0x60040008, u"DescriptionText"),
      FieldProperty<T, &ControlProperties::enabled>(0x6004000A, u"Enabled"),
      Method<T>(0x6004000C, u"Execute", &T::template Call<&ControlCore::Execute>),
      FieldProperty<T, &ControlProperties::height>(0x6004000D, u"Height"),
      FieldProperty<T, &ControlProperties::helpContextId>(0x6004000F, u"HelpContextId"),
      FieldProperty<T, &ControlProperties::helpFile>(0x60040011, u"HelpFile"),
      Get<T>(0x60040013, u"Id", &T::template Call<&ControlCore::GetId>),
      Get<T>(0x60040014, u"Index", &T::template Call<&ControlCore::GetIndex>),
      Method<T>(0x60040016, u"Move", &T::template Call<&ControlCore::Move>).Takes(2),
      Get<T>(0x60040017, u"Left", &T::template Call<&ControlCore::GetLeft>),
      FieldProperty<T, &ControlProperties::onAction>(0x6004001A, u"OnAction"),
      Get<T>(0x6004001C, u"Parent", &T::template Call<&ControlCore::GetParent>),
      FieldProperty<T, &ControlProperties::parameter>(0x6004001D, u"Parameter"),
      FieldProperty<T, &ControlProperties::priority>(0x6004001F, u"Priority"),
      FieldProperty<T, &ControlProperties::tag>(0x60040023, u"Tag"),
      FieldProperty<T, &ControlProperties::tooltipText>(0x60040025, u"TooltipText"),
      Get<T>(0x60040027, u"Top", &T::template Call<&ControlCore::GetTop>),
      Get<T>(0x60040028, u"Type", &T::template Call<&ControlCore::GetType>),
      FieldProperty<T, &ControlProperties::visible>(0x60040029, u"Visible"),
      FieldProperty<T, &ControlProperties::width>(0x6004002B, u"Width"),
  };
  members.insert(members.end(), own.begin(), own.end());
  return members;
}

}  // namespace corvane::sim::office
