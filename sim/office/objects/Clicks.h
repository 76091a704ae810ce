// What a user does to a control that raises its events. As Office does, a
// click or a change reaches the sinks of the control itself and then of
// every other control (on any bar) carrying the same non-empty Tag, in the
// bars' order, each time with the control the user acted on as Ctrl. The
// sinks share one CancelDefault: each sees what the one before left.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace corvane::sim::office {

class CommandBarSet;
class Control;

struct ClickOutcome {
  size_t sinksCalled = 0;
  bool cancelDefault = false;
  // The control's OnAction ran (not cancelled, OnAction set); also logged
  // as "OnAction <macro>".
  bool defaultRan = false;
};

// A click on a button, with Ctrl held down through the sinks' calls when
// asked. OfficeError for a control that is no button or not live.
ClickOutcome ClickControl(const std::shared_ptr<CommandBarSet>& set, const std::shared_ptr<Control>& control,
                          bool ctrlHeld = false);
// The user types a text into an edit, drop-down or combo box and leaves it.
// Returns the sinks called.
size_t ChangeControlText(const std::shared_ptr<CommandBarSet>& set, const std::shared_ptr<Control>& control,
                         const std::u16string& text);
// Execute: a button is clicked, a box raises Change, others do nothing.
void ExecuteControl(const std::shared_ptr<CommandBarSet>& set, const std::shared_ptr<Control>& control);

}  // namespace corvane::sim::office
