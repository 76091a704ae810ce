#include "sim/core/EventCall.h"

#include <stdexcept>

namespace corvane::sim {

EventCall& EventCall::Add(com::Variant value) {
  args_.push_back(std::move(value));
  return *this;
}

EventCall& EventCall::AddBoolRef(bool initial) {
  flags_.push_back(initial ? VARIANT_TRUE : VARIANT_FALSE);
  args_.push_back(com::Variant::RefTo(&flags_.back()));
  return *this;
}

bool EventCall::BoolAt(size_t position) const {
  if (position >= args_.size()) throw std::out_of_range("event argument " + std::to_string(position));
  return com::ToBool(*args_[position].get());
}

}  // namespace corvane::sim
