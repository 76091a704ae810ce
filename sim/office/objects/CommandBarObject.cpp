#include "sim/office/objects/CommandBarObject.h"

#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/QueryArgs.h"

namespace corvane::sim::office {

using Self = CommandBarObject;

const ObjectType<Self>& Self::Type() {
  static const ObjectType<Self> type{
      u"CommandBar",
      {Office::CommandBar::iid},
      {Get(Office::CommandBar::BuiltIn, u"BuiltIn", &Self::GetBuiltIn),
       Get(Office::CommandBar::Controls, u"Controls", &Self::GetControls),
       Method(Office::CommandBar::Delete, u"Delete", &Self::Delete),
       FieldProperty<Self, &BarProperties::enabled>(Office::CommandBar::Enabled, u"Enabled"),
       Method(Office::CommandBar::FindControl, u"FindControl", &Self::FindControl).Takes(5),
       FieldProperty<Self, &BarProperties::left>(Office::CommandBar::Left, u"Left"),
       Property<Self>(Office::CommandBar::Name, u"Name", &Self::GetField<&BarProperties::name>, &Self::PutName),
       FieldProperty<Self, &BarProperties::nameLocal>(Office::CommandBar::NameLocal, u"NameLocal"),
       Property<Self>(Office::CommandBar::Position, u"Position", &Self::GetField<&BarProperties::position>,
                      &Self::PutPosition),
       FieldProperty<Self, &BarProperties::rowIndex>(Office::CommandBar::RowIndex, u"RowIndex"),
       Property<Self>(Office::CommandBar::Protection, u"Protection", &Self::GetField<&BarProperties::protection>,
                      &Self::PutProtection),
       FieldProperty<Self, &BarProperties::top>(Office::CommandBar::Top, u"Top"),
       Get(Office::CommandBar::Type, u"Type", &Self::GetType),
       FieldProperty<Self, &BarProperties::visible>(Office::CommandBar::Visible, u"Visible")},
      kOfficeSource};
  return type;
}

com::ComPtr<IDispatch> NewCommandBarObject(const BarSetLink& set, const std::shared_ptr<Bar>& bar) {
  return com::ComPtr<IDispatch>::adopt(com::Make<CommandBarObject>(set, bar).detach());
}

std::shared_ptr<Bar> BarOf(IDispatch* object) {
  const auto self = com::try_as<IDispatch>(object, kCommandBarSelfIid);
  if (!self) return nullptr;
  return static_cast<CommandBarObject*>(self.get())->bar().lock();
}

void* Self::QueryOther(REFIID riid) {
  if (IsEqualIID(riid, kCommandBarSelfIid)) return static_cast<IDispatch*>(this);
  return SimObject::QueryOther(riid);
}

BarProperties& Self::Props() { return LiveBar(bar_)->props(); }

com::Variant Self::GetBuiltIn(Args&) { return LiveBar(bar_)->builtIn(); }

com::Variant Self::GetType(Args&) { return LiveBar(bar_)->type(); }

com::Variant Self::GetControls(Args&) { return NewCommandBarControlsObject(set_, LiveBar(bar_)); }

com::Variant Self::Delete(Args&) {
  auto bar = LiveBar(bar_);
  if (bar->popupOwner()) ThrowFailed("The menu of a popup cannot be deleted on its own.");
  LiveSet(set_)->Delete(*bar);
  return {};
}

// FindControl([Type], [Id], [Tag], [Visible], [Recursive]).
com::Variant Self::FindControl(Args& args) {
  return ControlOrNothing(set_, LiveBar(bar_)->Find(QueryFrom(args), args[4].Bool(false)));
}

void Self::PutName(Args& args) {
  auto bar = LiveBar(bar_);
  const auto name = args.value().Text();
  if (bar->builtIn() || name.empty()) ThrowInvalidArgument("Invalid procedure call or argument");
  bar->props().name = name;
}

void Self::PutPosition(Args& args) {
  const int32_t position = args.value().Int();
  if (!IsValidPosition(position)) ThrowInvalidArgument("Invalid procedure call or argument");
  Props().position = position;
}

void Self::PutProtection(Args& args) {
  const int32_t protection = args.value().Int();
  if (!IsValidProtection(protection)) ThrowInvalidArgument("Invalid procedure call or argument");
  Props().protection = protection;
}

}  // namespace corvane::sim::office
