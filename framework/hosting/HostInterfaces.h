// How the module recognises its host: the application interface each Office
// host answers, in the order they are asked, and the hosts' main window
// classes.
#pragma once

#include <span>
#include <string_view>

#include "framework/commandbars/OfficeHostApp.h"
#include "platform/com/com.h"

namespace corvane::framework {

struct HostInterface {
  IID iid;
  TkvxOfficeHostApp kind;
  // The class of the event component connected for this host (the first of
  // the module's components of that class), empty for none.
  std::string_view eventClass;
  // Connected with the host's major version.
  bool versioned;
};

std::span<const HostInterface> HostInterfaces();

// The class of the host's main window ("XLMAIN"), empty for hosts without one.
std::u16string_view MainWindowClass(TkvxOfficeHostApp kind);

}  // namespace corvane::framework
