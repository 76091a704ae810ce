#include "addin/ButtonPlan.h"

#include "framework/commandbars/TkvxCommandBarButton.h"

namespace corvane::addin {

ButtonPlan::ButtonPlan(framework::TkvxCommandBarControls& controls)
    : controls_(controls), enabled_(controls.Count()), pressed_(controls.Count()) {}

void ButtonPlan::EnableAll(bool enabled) {
  for (auto& planned : enabled_) planned = enabled;
}

void ButtonPlan::Enable(int tag, bool enabled) {
  if (const auto index = IndexOf(tag)) enabled_[*index] = enabled;
}

void ButtonPlan::Press(int tag, bool pressed) {
  if (const auto index = IndexOf(tag)) pressed_[*index] = pressed;
}

std::optional<size_t> ButtonPlan::IndexOf(int tag) const {
  for (size_t i = 0; i < enabled_.size(); ++i) {
    if (controls_.Items(i).Tag() == tag) return i;
  }
  return std::nullopt;
}

void ButtonPlan::Apply() const {
  for (size_t i = 0; i < enabled_.size(); ++i) {
    auto& control = controls_.Items(i);
    if (enabled_[i]) control.SetEnabled(*enabled_[i]);
    auto* button = dynamic_cast<framework::TkvxCommandBarButton*>(&control);
    if (pressed_[i] && button) button->SetState(*pressed_[i] ? framework::kvxMsoButtonDown : framework::kvxMsoButtonUp);
  }
}

}  // namespace corvane::addin
