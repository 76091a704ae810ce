// The built-in command bars and controls of a fresh installation, as
// tables: which bars exist, where they sit, and which built-in controls
// (by Office's ids) they carry.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace corvane::sim::office {

class Bar;
class Control;

struct BuiltInControl {
  int32_t id;
  int32_t type;
  const char16_t* caption;
  int32_t faceId;
  // The ids on a popup's drop-down bar.
  std::span<const int32_t> children;
};

// Null for an id Office does not know.
const BuiltInControl* FindBuiltInControl(int32_t id);
// A new built-in control with its caption, face and (for a popup) its
// drop-down bar filled.
std::shared_ptr<Control> MakeBuiltInControl(const BuiltInControl& known, bool temporary);
// Every built-in bar in Office's order, as on a first start.
std::vector<std::shared_ptr<Bar>> MakeBuiltInBars();

}  // namespace corvane::sim::office
