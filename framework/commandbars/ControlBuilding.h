// Binding designed items to host controls: found again by OfficeTag (a
// custom item anywhere in the host, so that a control the user dragged to
// another bar stays there), not re-created once the user deleted it (until
// its design revision changes), else created in its designed place; and
// recorded controls the design no longer has, deleted.
#pragma once

#include <string>

#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxCOMAddInModule;
class TkvxCommandBar;
class TkvxCommandBarControl;

// Binds one item under ParentBar (its bar's host bar) and updates it; any
// failure goes to HandleError and leaves the item as far as it got.
void BuildControl(TkvxCommandBarControl& Item, const com::ComPtr<IDispatch>& ParentBar) noexcept;

// Deletes, for each "Controls" record no item of the module's bars owns,
// the control with that tag (looked for in Bar's host bar, then anywhere)
// and its record; a record whose control is not found stays.
void RemoveOrphanControls(TkvxCOMAddInModule& Module, const TkvxCommandBar& Bar) noexcept;

// Whether any item of the module's bars has this OfficeTag.
bool ModuleHasItemTagged(const TkvxCOMAddInModule& Module, const std::u16string& OfficeTag);

}  // namespace corvane::framework
