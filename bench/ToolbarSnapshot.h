// The toolbar's states as the simulated Office holds them: what the add-in
// must write to get from one snapshot to another is their difference.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/office/model/Bar.h"

namespace corvane::bench {

class ToolbarSnapshot {
 public:
  explicit ToolbarSnapshot(const sim::office::Bar& bar);

  // Enabled flags and button states that differ, each one write.
  uint64_t ChangesTo(const ToolbarSnapshot& later) const;

 private:
  struct ControlState {
    bool enabled;
    int32_t state;
  };
  std::vector<ControlState> controls_;
};

}  // namespace corvane::bench
