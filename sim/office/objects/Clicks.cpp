#include "sim/office/objects/Clicks.h"

#include <optional>
#include <vector>

#include "platform/com/Text.h"
#include "platform/input/SyntheticKeyboard.h"
#include "platform/input/VirtualKeys.h"
#include "sim/core/Instrumentation.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

namespace {

bool IsButton(const Control& control) { return control.type() == Office::msoControlButton; }

// The advised sources of the control and of its namesakes by tag, the
// control's own first.
std::vector<std::shared_ptr<EventSource>> Receivers(const CommandBarSet& set, const std::shared_ptr<Control>& control) {
  std::vector<std::shared_ptr<Control>> targets{control};
  if (!control->props().tag.empty()) {
    for (const auto& other : set.ControlsTagged(control->props().tag)) {
      if (other != control) targets.push_back(other);
    }
  }
  std::vector<std::shared_ptr<EventSource>> sources;
  for (const auto& target : targets) {
    if (target->events() && IsComboType(target->type()) == IsComboType(control->type())) {
      sources.push_back(target->events());
    }
  }
  return sources;
}

size_t FireAll(const std::vector<std::shared_ptr<EventSource>>& sources, EventCall& call) {
  size_t called = 0;
  for (const auto& source : sources) called += source->Fire(call);
  return called;
}

void RequireLive(const Control& control, bool wanted) {
  if (!control.live() || !wanted) ThrowInvalidArgument("Invalid procedure call or argument");
}

}  // namespace

ClickOutcome ClickControl(const std::shared_ptr<CommandBarSet>& set, const std::shared_ptr<Control>& control,
                          bool ctrlHeld) {
  RequireLive(*control, IsButton(*control));
  std::optional<input::SyntheticKeyboard> keyboard;
  if (ctrlHeld) {
    keyboard.emplace();
    keyboard->Press(VK_CONTROL);
  }
  EventCall call(Office::CommandBarButtonEvents::Click, "Click");
  call.Add(NewControlObject(set, control)).AddBoolRef(false);
  ClickOutcome outcome;
  outcome.sinksCalled = FireAll(Receivers(*set, control), call);
  outcome.cancelDefault = call.BoolAt(1);
  const auto& macro = control->props().onAction;
  outcome.defaultRan = !outcome.cancelDefault && !macro.empty();
  if (outcome.defaultRan) Instrumentation::Instance().log().Record("OnAction " + com::Utf16ToUtf8(macro));
  return outcome;
}

size_t ChangeControlText(const std::shared_ptr<CommandBarSet>& set, const std::shared_ptr<Control>& control,
                         const std::u16string& text) {
  RequireLive(*control, IsComboType(control->type()));
  control->props().text = text;
  EventCall call(Office::CommandBarComboBoxEvents::Change, "Change");
  call.Add(NewControlObject(set, control));
  return FireAll(Receivers(*set, control), call);
}

void ExecuteControl(const std::shared_ptr<CommandBarSet>& set, const std::shared_ptr<Control>& control) {
  if (IsButton(*control)) {
    ClickControl(set, control);
  } else if (IsComboType(control->type())) {
    ChangeControlText(set, control, control->props().text);
  }
}

}  // namespace corvane::sim::office
