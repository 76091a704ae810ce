#include "sim/office/objects/CommandBarControlsObject.h"

#include "platform/com/Text.h"
#include "sim/core/Enumeration.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

using Self = CommandBarControlsObject;

const ObjectType<Self>& Self::Type() {
  static const ObjectType<Self> type{
      u"CommandBarControls",
      {Office::CommandBarControls::iid},
      {Get(Office::CommandBarControls::Item, u"Item", &Self::GetItem).Takes(1),
       Method(Office::CommandBarControls::Add, u"Add", &Self::Add).Takes(5),
       Get(Office::CommandBarControls::Count, u"Count", &Self::GetCount), NewEnum(&Self::Enumerate)},
      kOfficeSource};
  return type;
}

com::ComPtr<IDispatch> NewCommandBarControlsObject(const BarSetLink& set, const std::shared_ptr<Bar>& bar) {
  return com::ComPtr<IDispatch>::adopt(com::Make<CommandBarControlsObject>(set, bar).detach());
}

com::Variant Self::GetCount(Args&) { return LiveBar(bar_)->Count(); }

// Item(Index): a 1-based index or a control's caption.
com::Variant Self::GetItem(Args& args) {
  auto bar = LiveBar(bar_);
  if (args[0].type() != VT_BSTR) return NewControlObject(set_, bar->At(args[0].Int()));
  const auto caption = args[0].Text();
  for (const auto& control : bar->Controls()) {
    if (com::AsciiEqualNoCase(control->props().caption, caption)) return NewControlObject(set_, control);
  }
  ThrowInvalidArgument("Invalid procedure call or argument");
}

com::Variant Self::Enumerate(Args&) {
  auto bar = LiveBar(bar_);
  return EnumerateItems(bar->Count(), [&](int32_t i) { return com::Variant(NewControlObject(set_, bar->At(i))); });
}

// Add([Type], [Id], [Parameter], [Before], [Temporary]).
com::Variant Self::Add(Args& args) {
  auto bar = LiveBar(bar_);
  ControlSpec wanted;
  wanted.type = args[0].Int(Office::msoControlCustom);
  wanted.id = args[1].Int(kCustomControlId);
  wanted.parameter = args[2].Text(u"");
  wanted.before = args[3].Int(0);
  wanted.temporary = args[4].Bool(false);
  return NewControlObject(set_, bar->AddControl(wanted));
}

}  // namespace corvane::sim::office
