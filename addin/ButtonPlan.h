// The states one update leaves on the toolbar, all worked out before any is
// applied: each control is then read once and written only when the host
// shows something else, so no button is switched on and off again within
// one update (it would flicker, and cost two host calls for nothing).
#pragma once

#include <optional>
#include <vector>

#include "framework/commandbars/TkvxCommandBarControls.h"

namespace corvane::addin {

class ButtonPlan {
 public:
  explicit ButtonPlan(framework::TkvxCommandBarControls& controls);

  void EnableAll(bool enabled);
  // The first control with that tag, as the dispatcher finds it; none, nothing.
  void Enable(int tag, bool enabled);
  void Press(int tag, bool pressed);

  // In collection order; a control the plan never mentioned is left alone.
  void Apply() const;

 private:
  std::optional<size_t> IndexOf(int tag) const;

  framework::TkvxCommandBarControls& controls_;
  std::vector<std::optional<bool>> enabled_;
  std::vector<std::optional<bool>> pressed_;
};

}  // namespace corvane::addin
