// Corvane's toolbar as the simulated Office holds it, as text: each button
// with its position and a short label, its state shown by its brackets,
// groups apart; and finding a button the way a script names it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvane::sim::office {
class Bar;
class Control;
}  // namespace corvane::sim::office

namespace corvane::workbench {

// A name for the screen and for scripts: a short one for each of Corvane's
// buttons ("Data", "Currency", "Fit columns"), else the caption without a
// trailing "*".
std::string ShortLabel(const sim::office::Control& control);
// "enabled", "disabled" or "pressed".
std::string ButtonState(const sim::office::Control& control);

// One button as the screens show it.
struct ToolbarButton {
  std::shared_ptr<sim::office::Control> control;
  int32_t position = 0;
  std::string label;
  // As ButtonState says.
  std::string state;
  bool beginGroup = false;
  std::string caption;
};

std::vector<ToolbarButton> ToolbarButtons(const sim::office::Bar& bar);

// Lines of text; "not present" when the bar is null.
std::string RenderToolbar(const std::shared_ptr<sim::office::Bar>& bar);

// By 1-based position ("8"), Office tag ("tag:{...}"), caption or short
// label ("Data"), in any letter case; null when none matches.
std::shared_ptr<sim::office::Control> FindButton(const sim::office::Bar& bar, const std::string& name);

}  // namespace corvane::workbench
