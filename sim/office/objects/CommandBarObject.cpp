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
      {kCommandBarIid},
      {Get(0x60040000, u"BuiltIn", &Self::GetBuiltIn), Get(0x60040003, u"Controls", &Self::GetControls),
       Method(0x60040004, u"Delete", &Self::Delete),
       FieldProperty<Self, &BarProperties::enabled>(0x60040005, u"Enabled"),
       Method(0x60040007, u"FindControl", &Self::FindControl).Takes(5),
       FieldProperty<Self, &BarProperties::left>(0x6004000C, u"Left"),
       Property<Self>(0x6004000E, u"Name", &Self::GetField<&BarProperties::name>, &Self::PutName),
       FieldProperty<Self, &BarProperties::nameLocal>(0x60040010, u"NameLocal"),
       Property<Self>(0x60040013, u"Position", &Self::GetField<&BarProperties::position>, &Self::PutPosition),
       FieldProperty<Self, &BarProperties::rowIndex>(0x60040015, u"RowIndex"),
       Property<Self>(0x60040017, u"Protection", &Self::GetField<&BarProperties::protection>, &Self::PutProtection),
       FieldProperty<Self, &BarProperties::top>(0x6004001B, u"Top"), Get(0x6004001D, u"Type", &Self::GetType),
       FieldProperty<Self, &BarProperties::visible>(0x6004001E, u"Visible")},
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
