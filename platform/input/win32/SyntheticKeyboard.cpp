#include "platform/input/SyntheticKeyboard.h"

#include "platform/com/ComError.h"
#include "platform/input/KeyboardLayout.h"
#include "platform/input/Messages.h"

namespace corvane::input {

namespace {
constexpr wchar_t kHostClass[] = L"CorvaneSyntheticKeyboardHost";
// SendInput only queues the key; the pump waits this long for it to arrive.
constexpr DWORD kSettleMs = 30;

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* keyboard = reinterpret_cast<SyntheticKeyboard*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (keyboard && IsKeyMessage(message)) {
    keyboard->Record(DeliveredKey{message, wParam, lParam});
    return 0;  // the host consumed it; no system key handling (menus) follows
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HINSTANCE ThisModule() { return GetModuleHandleW(nullptr); }

void EnsureHostClass() {
  WNDCLASSW found{};
  if (GetClassInfoW(ThisModule(), kHostClass, &found)) return;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HostProcedure;
  windowClass.hInstance = ThisModule();
  windowClass.lpszClassName = kHostClass;
  if (!RegisterClassW(&windowClass)) throw com::ComError(E_FAIL, u"Cannot register the keyboard host class");
}
}  // namespace

// The window that has the keyboard focus, standing in for the host.
struct SyntheticKeyboard::Host {
  HWND window = nullptr;
  ~Host() {
    if (window) DestroyWindow(window);
  }
};

SyntheticKeyboard::SyntheticKeyboard() : host_(std::make_unique<Host>()) {
  EnsureHostClass();
  host_->window = CreateWindowExW(0, kHostClass, L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, ThisModule(), nullptr);
  if (!host_->window) throw com::ComError(E_FAIL, u"Cannot create the keyboard host window");
  SetWindowLongPtrW(host_->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetForegroundWindow(host_->window);
  SetFocus(host_->window);
  PumpMessages(kSettleMs);
}

SyntheticKeyboard::~SyntheticKeyboard() {
  ReleaseAll();
  SetWindowLongPtrW(host_->window, GWLP_USERDATA, 0);
}

void SyntheticKeyboard::Send(UINT sidedKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(sidedKey);
  input.ki.wScan = static_cast<WORD>(ScanCodeOf(sidedKey));
  input.ki.dwFlags = (release ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(sidedKey) ? KEYEVENTF_EXTENDEDKEY : 0);
  if (SendInput(1, &input, sizeof input) != 1) throw com::ComError(E_FAIL, u"SendInput refused the key");
  PumpMessages(kSettleMs);
}

}  // namespace corvane::input
