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

class TkvxBarModule;
class TkvxCommandBar;
class TkvxCommandBarControl;

// Binds one item under ParentBar (its bar's host bar, or its popup's menu)
// and updates it, each kind as its own; a popup's items follow it. Any
// failure goes to HandleError and leaves the item as far as it got; in
// MapPoint it is framework error 31110.
void BuildControl(TkvxCommandBarControl& Item, const com::ComPtr<IDispatch>& ParentBar) noexcept;

// Deletes, for each "Controls" record no item of the module's bars owns,
// the control with that tag (looked for in Bar's host bar, then anywhere)
// and its record; a record whose control is not found stays.
void RemoveOrphanControls(TkvxBarModule& Module, const TkvxCommandBar& Bar) noexcept;

// The host control of an item as removing the add-in looks for it (a
// custom one in HostBar, then anywhere; a built-in one by its id); null
// when there is none.
com::ComPtr<IDispatch> FindRemovedControl(TkvxCommandBarControl& Item, const com::ComPtr<IDispatch>& HostBar);

// Whether any item of the module's bars, popups' items included, has this
// OfficeTag.
bool ModuleHasItemTagged(const TkvxBarModule& Module, const std::u16string& OfficeTag);

}  // namespace corvane::framework
