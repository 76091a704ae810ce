#include "sim/office/objects/PopupObject.h"

#include "sim/office/model/Control.h"

namespace corvane::sim::office {

using Self = PopupObject;

const ObjectType<Self>& Self::Type() {
  static const ObjectType<Self> type{
      u"CommandBarPopup",
      {Office::CommandBarControl::iid, Office::CommandBarPopup::iid},
      ControlMembers<Self>({
          Get<Self>(Office::CommandBarPopup::CommandBar, u"CommandBar", &Self::GetCommandBar),
          Get<Self>(Office::CommandBarPopup::Controls, u"Controls", &Self::GetControls),
      }),
      kOfficeSource};
  return type;
}

com::Variant Self::GetCommandBar(Args&) { return NewCommandBarObject(set(), Live()->subBar()); }

com::Variant Self::GetControls(Args&) { return NewCommandBarControlsObject(set(), Live()->subBar()); }

}  // namespace corvane::sim::office
