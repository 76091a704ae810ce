#include "sim/office/objects/PlainControlObject.h"

#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/objects/ButtonObject.h"
#include "sim/office/objects/ComboBoxObject.h"
#include "sim/office/objects/PopupObject.h"

namespace corvane::sim::office {

const ObjectType<PlainControlObject>& PlainControlObject::Type() {
  static const ObjectType<PlainControlObject> type{
      u"CommandBarControl", {Office::CommandBarControl::iid}, ControlMembers<PlainControlObject>({}), kOfficeSource};
  return type;
}

namespace {

template <class T>
com::ComPtr<IDispatch> Wrap(const BarSetLink& set, const std::shared_ptr<Control>& control) {
  return com::ComPtr<IDispatch>::adopt(static_cast<IDispatch*>(com::Make<T>(set, control).detach()));
}

}  // namespace

com::ComPtr<IDispatch> NewControlObject(const BarSetLink& set, const std::shared_ptr<Control>& control) {
  const int32_t type = control->type();
  if (type == Office::msoControlButton) {
    return LiveSet(set)->pictureMembers() ? Wrap<ButtonObject<true>>(set, control)
                                          : Wrap<ButtonObject<false>>(set, control);
  }
  if (IsComboType(type)) return Wrap<ComboBoxObject>(set, control);
  if (type == Office::msoControlPopup) return Wrap<PopupObject>(set, control);
  return Wrap<PlainControlObject>(set, control);
}

com::Variant ControlOrNothing(const BarSetLink& set, const std::shared_ptr<Control>& control) {
  if (!control) return com::ComPtr<IDispatch>();
  return NewControlObject(set, control);
}

}  // namespace corvane::sim::office
