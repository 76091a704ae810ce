// The COM objects over the Office model, made when a client asks for one.
// Each holds its model and the bar collection weakly; none keeps another
// alive. A wrapper whose bar or control is gone (deleted, hidden for the
// session, or closed at Quit) fails every call as a stale reference.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"
#include "platform/com/com.h"
#include "published/Office.h"
#include "sim/office/addins/AddInLoader.h"

namespace corvane::sim::office {

class Bar;
class CommandBarSet;
class Control;

using BarSetLink = std::weak_ptr<CommandBarSet>;

com::ComPtr<IDispatch> NewCommandBarsObject(const std::shared_ptr<CommandBarSet>& bars);
com::ComPtr<IDispatch> NewCommandBarObject(const BarSetLink& set, const std::shared_ptr<Bar>& bar);
com::ComPtr<IDispatch> NewCommandBarControlsObject(const BarSetLink& set, const std::shared_ptr<Bar>& bar);
// A button, combo box, popup or plain control, as the control's type is.
com::ComPtr<IDispatch> NewControlObject(const BarSetLink& set, const std::shared_ptr<Control>& control);
// What FindControl answers: the control, or Nothing.
com::Variant ControlOrNothing(const BarSetLink& set, const std::shared_ptr<Control>& control);

// Connect put on a COMAddIn: the COM Add-ins dialog's actions.
using ConnectAction = std::function<void(const std::shared_ptr<AddInEntry>&, bool connect)>;
// Makes an object on demand (the application a Parent answers), so that
// no wrapper keeps it.
using ObjectSource = std::function<com::ComPtr<IDispatch>()>;
// Parent answers what `parent` makes; Nothing without it.
com::ComPtr<IDispatch> NewComAddInObject(const std::shared_ptr<AddInEntry>& entry, ConnectAction connect = {},
                                         ObjectSource parent = {});
// The COMAddIns collection over the loader's list; its items are made by
// `item` (the same COMAddIn objects the add-ins are handed).
com::ComPtr<IDispatch> NewComAddInsObject(std::weak_ptr<const AddInLoader> loader, AddInObjectFactory item,
                                          ObjectSource parent);

// The model behind a wrapper while it is live; InvokeError(kDisconnected)
// once it is gone.
std::shared_ptr<Bar> LiveBar(const std::weak_ptr<Bar>& bar);
std::shared_ptr<Control> LiveControl(const std::weak_ptr<Control>& control);
std::shared_ptr<CommandBarSet> LiveSet(const BarSetLink& set);

// The model object of a wrapper this sim made (Move's Bar argument);
// null for other objects.
std::shared_ptr<Bar> BarOf(IDispatch* object);

}  // namespace corvane::sim::office
