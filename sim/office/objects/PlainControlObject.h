// A command bar control of a type without members of its own (a built-in
// control that is neither button, box nor popup): the control members only.
#pragma once

#include "sim/office/objects/ControlCore.h"

namespace corvane::sim::office {

class PlainControlObject final : public SimObject<PlainControlObject>,
                                 public FieldAccess<PlainControlObject>,
                                 public Forwarding<PlainControlObject>,
                                 public ControlCore {
 public:
  using ControlCore::ControlCore;
  static const ObjectType<PlainControlObject>& Type();
};

}  // namespace corvane::sim::office
