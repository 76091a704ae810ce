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
      FieldProperty<T, &ControlProperties::beginGroup>(Office::CommandBarControl::BeginGroup, u"BeginGroup"),
      Get<T>(Office::CommandBarControl::BuiltIn, u"BuiltIn", &T::template Call<&ControlCore::GetBuiltIn>),
      FieldProperty<T, &ControlProperties::caption>(Office::CommandBarControl::Caption, u"Caption"),
      Method<T>(Office::CommandBarControl::Delete, u"Delete", &T::template Call<&ControlCore::Delete>).Takes(1),
      FieldProperty<T, &ControlProperties::descriptionText>(Office::CommandBarControl::DescriptionText,
                                                            u"DescriptionText"),
      FieldProperty<T, &ControlProperties::enabled>(Office::CommandBarControl::Enabled, u"Enabled"),
      Method<T>(Office::CommandBarControl::Execute, u"Execute", &T::template Call<&ControlCore::Execute>),
      FieldProperty<T, &ControlProperties::height>(Office::CommandBarControl::Height, u"Height"),
      FieldProperty<T, &ControlProperties::helpContextId>(Office::CommandBarControl::HelpContextId, u"HelpContextId"),
      FieldProperty<T, &ControlProperties::helpFile>(Office::CommandBarControl::HelpFile, u"HelpFile"),
      Get<T>(Office::CommandBarControl::Id, u"Id", &T::template Call<&ControlCore::GetId>),
      Get<T>(Office::CommandBarControl::Index, u"Index", &T::template Call<&ControlCore::GetIndex>),
      Method<T>(Office::CommandBarControl::Move, u"Move", &T::template Call<&ControlCore::Move>).Takes(2),
      Get<T>(Office::CommandBarControl::Left, u"Left", &T::template Call<&ControlCore::GetLeft>),
      FieldProperty<T, &ControlProperties::onAction>(Office::CommandBarControl::OnAction, u"OnAction"),
      Get<T>(Office::CommandBarControl::Parent, u"Parent", &T::template Call<&ControlCore::GetParent>),
      FieldProperty<T, &ControlProperties::parameter>(Office::CommandBarControl::Parameter, u"Parameter"),
      FieldProperty<T, &ControlProperties::priority>(Office::CommandBarControl::Priority, u"Priority"),
      FieldProperty<T, &ControlProperties::tag>(Office::CommandBarControl::Tag, u"Tag"),
      FieldProperty<T, &ControlProperties::tooltipText>(Office::CommandBarControl::TooltipText, u"TooltipText"),
      Get<T>(Office::CommandBarControl::Top, u"Top", &T::template Call<&ControlCore::GetTop>),
      Get<T>(Office::CommandBarControl::Type, u"Type", &T::template Call<&ControlCore::GetType>),
      FieldProperty<T, &ControlProperties::visible>(Office::CommandBarControl::Visible, u"Visible"),
      FieldProperty<T, &ControlProperties::width>(Office::CommandBarControl::Width, u"Width"),
  };
  members.insert(members.end(), own.begin(), own.end());
  return members;
}

}  // namespace corvane::sim::office
