#include "sim/office/objects/CommandBarsObject.h"

#include "sim/core/Enumeration.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/OfficeConstants.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/QueryArgs.h"

namespace corvane::sim::office {

const ObjectType<CommandBarsObject>& CommandBarsObject::Type() {
  static const ObjectType<CommandBarsObject> type{
      u"CommandBars",
      {Office::CommandBars::iid},
      {Get(Office::CommandBars::Item, u"Item", &CommandBarsObject::GetItem).Takes(1),
       Get(Office::CommandBars::Count, u"Count", &CommandBarsObject::GetCount),
       Method(Office::CommandBars::Add, u"Add", &CommandBarsObject::Add).Takes(4),
       Method(Office::CommandBars::FindControl, u"FindControl", &CommandBarsObject::FindControl).Takes(4),
       NewEnum(&CommandBarsObject::Enumerate)},
      kOfficeSource};
  return type;
}

com::ComPtr<IDispatch> NewCommandBarsObject(const std::shared_ptr<CommandBarSet>& bars) {
  return com::ComPtr<IDispatch>::adopt(com::Make<CommandBarsObject>(bars).detach());
}

com::Variant CommandBarsObject::GetCount(Args&) { return LiveSet(set_)->Count(); }

com::Variant CommandBarsObject::GetItem(Args& args) {
  auto set = LiveSet(set_);
  if (args[0].type() != VT_BSTR) return NewCommandBarObject(set_, set->At(args[0].Int()));
  auto bar = set->Find(args[0].Text());
  if (!bar) ThrowInvalidArgument("Invalid procedure call or argument");
  return NewCommandBarObject(set_, bar);
}

com::Variant CommandBarsObject::Enumerate(Args&) {
  auto set = LiveSet(set_);
  return EnumerateItems(set->Count(), [&](int32_t i) { return com::Variant(NewCommandBarObject(set_, set->At(i))); });
}

// Add([Name], [Position], [MenuBar], [Temporary]).
com::Variant CommandBarsObject::Add(Args& args) {
  auto bar = LiveSet(set_)->Add(args[0].Text(u""), args[1].Int(Office::msoBarFloating), args[2].Bool(false),
                                args[3].Bool(false));
  return NewCommandBarObject(set_, bar);
}

com::Variant CommandBarsObject::FindControl(Args& args) {
  return ControlOrNothing(set_, LiveSet(set_)->FindControl(QueryFrom(args)));
}

}  // namespace corvane::sim::office
