// Running hosts: finding a running instance of a host application, and the
// prompt that asks the user to close the running hosts before the add-in
// is registered or unregistered.
#pragma once

#include <string_view>

#include "framework/commandbars/OfficeHostApp.h"
#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TkvxFactory;

// The running instance the platform knows for the host's class, or null.
com::ComPtr<IDispatch> RunningHostInstance(TkvxOfficeHostApp Host);

// Lists the installed hosts of the set that are running and, while there
// are any, asks (caption: the add-in's name) to close them: Retry looks
// again, Ignore goes on, Cancel raises framework error 31105.
void AskCloseHosts(const TkvxFactory& Factory, std::u16string_view AddInName, TkvxHostAppSet Supported);

}  // namespace corvane::framework
