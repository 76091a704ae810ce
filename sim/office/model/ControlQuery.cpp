#include "sim/office/model/ControlQuery.h"

#include "sim/office/model/Control.h"

namespace corvane::sim::office {

bool ControlQuery::Matches(const Control& control) const {
  if (type && control.type() != *type) return false;
  if (id && control.id() != *id) return false;
  if (tag && control.props().tag != *tag) return false;
  return !visibleOnly || control.props().visible;
}

}  // namespace corvane::sim::office
