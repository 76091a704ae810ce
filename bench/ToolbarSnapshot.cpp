#include "bench/ToolbarSnapshot.h"

#include <stdexcept>

#include "sim/office/model/Control.h"

namespace corvane::bench {

ToolbarSnapshot::ToolbarSnapshot(const sim::office::Bar& bar) {
  for (const auto& control : bar.Controls()) controls_.push_back({control->props().enabled, control->props().state});
}

uint64_t ToolbarSnapshot::ChangesTo(const ToolbarSnapshot& later) const {
  if (later.controls_.size() != controls_.size()) throw std::logic_error("the toolbar's controls changed in between");
  uint64_t changes = 0;
  for (size_t i = 0; i < controls_.size(); ++i) {
    changes += controls_[i].enabled != later.controls_[i].enabled;
    changes += controls_[i].state != later.controls_[i].state;
  }
  return changes;
}

}  // namespace corvane::bench
