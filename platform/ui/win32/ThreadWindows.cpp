// Top-level windows of the current thread, and windows of our own classes.
#include "platform/com/ComError.h"
#include "platform/com/Text.h"
#include "platform/ui/TopLevelWindow.h"
#include "platform/ui/TopLevelWindows.h"

namespace corvane::ui {

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

void RegisterWindowClass(const std::u16string& className) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = com::ole(className);
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw com::ComError(HRESULT_FROM_WIN32(GetLastError()), u"Cannot register the window class " + className);
  }
}

}  // namespace

std::vector<HWND> ThreadTopLevelWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::u16string WindowClassName(HWND window) {
  wchar_t buffer[257] = {};  // class names have at most 256 characters
  const int length = GetClassNameW(window, buffer, 257);
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), length > 0 ? static_cast<size_t>(length) : 0);
}

TopLevelWindow::TopLevelWindow(std::u16string className, std::u16string title) : className_(std::move(className)) {
  if (className_.empty()) throw com::ComError(E_INVALIDARG, u"A window needs a class name");
  RegisterWindowClass(className_);
  handle_ = CreateWindowExW(0, com::ole(className_), com::ole(title), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!handle_) throw com::ComError(HRESULT_FROM_WIN32(GetLastError()), u"Cannot create a window of " + className_);
}

TopLevelWindow::~TopLevelWindow() {
  DestroyWindow(handle_);
  // Fails, harmlessly, while other windows of the class remain.
  UnregisterClassW(com::ole(className_), GetModuleHandleW(nullptr));
}

}  // namespace corvane::ui
