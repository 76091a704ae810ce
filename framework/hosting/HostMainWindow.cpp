#include "framework/hosting/HostMainWindow.h"

#include "framework/hosting/HostInterfaces.h"
#include "platform/ui/TopLevelWindows.h"

namespace corvane::framework {
namespace {

std::optional<TkvxOfficeHostApp> currentHostKind;
HWND hostMainWindow = nullptr;

}  // namespace

std::optional<TkvxOfficeHostApp> CurrentHostKind() { return currentHostKind; }

void SetCurrentHostKind(std::optional<TkvxOfficeHostApp> Kind) { currentHostKind = Kind; }

bool CurrentHostHasMainWindow() { return currentHostKind && !MainWindowClass(*currentHostKind).empty(); }

HWND HostMainWindow() { return hostMainWindow; }

HWND SearchHostMainWindow(TkvxOfficeHostApp Kind) {
  const std::u16string_view windowClass = MainWindowClass(Kind);
  if (windowClass.empty()) return hostMainWindow;
  if (HWND found = ui::FindThreadWindowByClass(windowClass)) {
    hostMainWindow = found;
  } else if (hostMainWindow && ui::WindowClassName(hostMainWindow).empty()) {
    // The previous main window is gone: a dialog owned by it could not show.
    hostMainWindow = nullptr;
  }
  return hostMainWindow;
}

void ResetHostMainWindow() {
  hostMainWindow = nullptr;
  currentHostKind.reset();
}

}  // namespace corvane::framework
