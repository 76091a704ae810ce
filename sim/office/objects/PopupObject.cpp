#include "sim/office/objects/PopupObject.h"

#include "sim/office/model/Control.h"

namespace corvane::sim::office {

using Self = PopupObject;

const ObjectType<Self>& Self::Type() {
  static const ObjectType<Self> type{u"CommandBarPopup",
                                     {kCommandBarControlIid, kCommandBarPopupIid},
                                     ControlMembers<Self>({
                                         Get<Self>(0x60050000, u"CommandBar", &Self::GetCommandBar),
                                         Get<Self>(0x60050001, u"Controls", &Self::GetControls),
                                     }),
                                     kOfficeSource};
  return type;
}

com::Variant Self::GetCommandBar(Args&) { return NewCommandBarObject(set(), Live()->subBar()); }

com::Variant Self::GetControls(Args&) { return NewCommandBarControlsObject(set(), Live()->subBar()); }

}  // namespace corvane::sim::office
