// The sink type of the command bar controls' events. A control's events
// are dispinterfaces: a sink answers them with its IDispatch, so the button
// events are declared as an IDispatch of their own id for the COM object
// base to answer.
#pragma once

#include "platform/com/InterfaceId.h"
#include "platform/com/com.h"
#include "published/Office.h"

namespace corvane::framework {

struct CommandBarButtonEvents : public IDispatch {};

}  // namespace corvane::framework

CORVANE_INTERFACE_ID(corvane::framework::CommandBarButtonEvents, Office::CommandBarButtonEvents::iid);
