// Office's CommandBarButton: the control members plus the face, state and
// style members (0x6005xxxx). Pictures says whether this Office version has
// Picture and Mask; without them neither name nor DISPID is known, as in
// the versions before them.
#pragma once

#include "sim/office/objects/ButtonFaceMembers.h"
#include "sim/office/objects/ControlCore.h"

namespace corvane::sim::office {

template <bool Pictures>
class ButtonObject final : public SimObject<ButtonObject<Pictures>>,
                           public FieldAccess<ButtonObject<Pictures>>,
                           public Forwarding<ButtonObject<Pictures>>,
                           public ControlCore,
                           public ButtonFaceMembers {
 public:
  ButtonObject(BarSetLink set, std::weak_ptr<Control> control)
      : ControlCore(set, control), ButtonFaceMembers(control) {}

  using ControlCore::Props;
  // Built once: every reference counted asks for the type's name.
  static const ObjectType<ButtonObject>& Type() {
    static const ObjectType<ButtonObject> type{u"CommandBarButton",
                                               {Office::CommandBarControl::iid, Office::CommandBarButton::iid},
                                               ControlMembers<ButtonObject>(OwnMembers()),
                                               kOfficeSource};
    return type;
  }

 protected:
  std::vector<std::shared_ptr<EventSource>> EventSources() override {
    return SourcesFor(Office::CommandBarButtonEvents::iid, "CommandBarButtonEvents");
  }

 private:
  static std::vector<Member<ButtonObject>> OwnMembers() {
    using Self = ButtonObject;
    std::vector<Member<Self>> own{
        Property<Self>(Office::CommandBarButton::BuiltInFace, u"BuiltInFace",
                       &Self::template Call<&ButtonFaceMembers::GetBuiltInFace>,
                       &Self::template Set<&ButtonFaceMembers::PutBuiltInFace>),
        Property<Self>(Office::CommandBarButton::FaceId, u"FaceId", &Self::template Call<&ButtonFaceMembers::GetFaceId>,
                       &Self::template Set<&ButtonFaceMembers::PutFaceId>),
        Method<Self>(Office::CommandBarButton::PasteFace, u"PasteFace",
                     &Self::template Call<&ButtonFaceMembers::PasteFace>),
        FieldProperty<Self, &ControlProperties::shortcutText>(Office::CommandBarButton::ShortcutText, u"ShortcutText"),
        Property<Self>(Office::CommandBarButton::State, u"State", &Self::template GetField<&ControlProperties::state>,
                       &Self::template Set<&ButtonFaceMembers::PutState>),
        FieldProperty<Self, &ControlProperties::style>(Office::CommandBarButton::Style, u"Style"),
        FieldProperty<Self, &ControlProperties::hyperlinkType>(Office::CommandBarButton::HyperlinkType,
                                                               u"HyperlinkType"),
    };
    if constexpr (Pictures) {
      own.push_back(Property<Self>(Office::CommandBarButton::Picture, u"Picture",
                                   &Self::template Call<&ButtonFaceMembers::GetPicture>,
                                   &Self::template Set<&ButtonFaceMembers::PutPicture>));
      own.push_back(Property<Self>(Office::CommandBarButton::Mask, u"Mask",
                                   &Self::template Call<&ButtonFaceMembers::GetMask>,
                                   &Self::template Set<&ButtonFaceMembers::PutMask>));
    }
    return own;
  }
};

}  // namespace corvane::sim::office
