// FindControl's criteria: every criterion given must hold.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvane::sim::office {

class Control;

struct ControlQuery {
  std::optional<int32_t> type;
  std::optional<int32_t> id;
  std::optional<std::u16string> tag;
  bool visibleOnly = false;

  bool Matches(const Control& control) const;
};

}  // namespace corvane::sim::office
