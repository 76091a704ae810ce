// Office's CommandBarPopup: the control members plus its drop-down bar
// (CommandBar) and that bar's controls (Controls).
#pragma once

#include "sim/office/objects/ControlCore.h"

namespace corvane::sim::office {

class PopupObject final : public SimObject<PopupObject>,
                          public FieldAccess<PopupObject>,
                          public Forwarding<PopupObject>,
                          public ControlCore {
 public:
  using ControlCore::ControlCore;
  static const ObjectType<PopupObject>& Type();

 private:
  com::Variant GetCommandBar(Args& args);
  com::Variant GetControls(Args& args);
};

}  // namespace corvane::sim::office
