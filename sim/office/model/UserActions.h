// What a user does to command bars with the mouse, refused where the bar's
// protection forbids it, as Office's customisation does. Each returns
// whether the action happened. Clicks go through the COM objects, which
// deliver the events (sim/office/objects/Clicks.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace corvane::sim::office {

class Bar;
class Control;

// Drags a control onto a bar (its own or another) before a 1-based index
// (0: at the end).
bool DragControl(Control& control, const std::shared_ptr<Bar>& target, int32_t before);
// Deletes a control for good, as dragging it off the bar does.
bool DeleteControlByUser(Control& control);
// Adds a custom button with a caption, as the Customize dialog does.
std::shared_ptr<Control> AddOwnControl(Bar& bar, const std::u16string& caption, int32_t before);
bool SetBarVisible(Bar& bar, bool visible);
// Moves a floating bar.
bool MoveBar(Bar& bar, int32_t left, int32_t top);
// Docks at an edge (or floats, with Office::msoBarFloating) in a row.
bool DockBar(Bar& bar, int32_t position, int32_t rowIndex);

}  // namespace corvane::sim::office
