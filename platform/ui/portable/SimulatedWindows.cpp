// Top-level windows of the portable build: a process-wide list of simulated
// windows, each created on a thread and carrying a class name. The newest
// window is on top, as a newly created window is on Windows.
#include <algorithm>
#include <mutex>
#include <thread>

#include "platform/com/ComError.h"
#include "platform/ui/TopLevelWindow.h"
#include "platform/ui/TopLevelWindows.h"

namespace corvane::ui {

namespace {

struct SimulatedWindow {
  HWND handle;
  std::u16string className;
  std::thread::id thread;
};

std::mutex windowsLock;
std::vector<SimulatedWindow> windows;  // z-order, topmost first

}  // namespace

std::vector<HWND> ThreadTopLevelWindows() {
  std::lock_guard<std::mutex> hold(windowsLock);
  std::vector<HWND> found;
  for (const SimulatedWindow& window : windows) {
    if (window.thread == std::this_thread::get_id()) found.push_back(window.handle);
  }
  return found;
}

std::u16string WindowClassName(HWND handle) {
  std::lock_guard<std::mutex> hold(windowsLock);
  for (const SimulatedWindow& window : windows) {
    if (window.handle == handle) return window.className;
  }
  return {};
}

TopLevelWindow::TopLevelWindow(std::u16string className, std::u16string title) : className_(std::move(className)) {
  if (className_.empty()) throw com::ComError(E_INVALIDARG, u"A window needs a class name");
  handle_ = new HWND__{};
  std::lock_guard<std::mutex> hold(windowsLock);
  windows.insert(windows.begin(), {handle_, className_, std::this_thread::get_id()});
}

TopLevelWindow::~TopLevelWindow() {
  {
    std::lock_guard<std::mutex> hold(windowsLock);
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [&](const SimulatedWindow& window) { return window.handle == handle_; }),
                  windows.end());
  }
  delete handle_;
}

}  // namespace corvane::ui
