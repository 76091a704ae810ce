// A keyboard that tests and the simulated host drive. Keys run through the
// calling thread's keyboard hooks as a real keyboard's would; a key no hook
// swallows is "delivered to the host" and recorded.
//
// Portable: the simulated keyboard itself, which sets the key states and
// builds the key data as Windows does. Win32: SendInput into a focused
// window of its own on the calling thread, then the thread's message pump;
// what reaches that window is what was delivered.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/com/com.h"

namespace corvane::input {

struct DeliveredKey {
  UINT message = 0;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP
  WPARAM virtualKey = 0;
  LPARAM keyData = 0;
  bool operator==(const DeliveredKey&) const = default;
};

class SyntheticKeyboard {
 public:
  SyntheticKeyboard();
  // Releases every key still held, so that no state outlives the keyboard.
  ~SyntheticKeyboard();
  SyntheticKeyboard(const SyntheticKeyboard&) = delete;
  SyntheticKeyboard& operator=(const SyntheticKeyboard&) = delete;

  // A press of a key already down is an auto-repeat. VK_LCONTROL and the
  // other sided keys press that side; generic modifiers press the left one.
  void Press(UINT virtualKey);
  void Release(UINT virtualKey);
  // Press then release.
  void Tap(UINT virtualKey);

  const std::vector<DeliveredKey>& Delivered() const { return delivered_; }
  void ClearDelivered() { delivered_.clear(); }
  // Also told of each delivered key, as it is delivered.
  void OnDelivered(std::function<void(const DeliveredKey&)> listener);

  // Entry from the backend: a key reached the host.
  void Record(const DeliveredKey& key);

 private:
  struct Host;
  void Send(UINT sidedKey, bool release);  // backend
  void ReleaseAll();

  std::vector<DeliveredKey> delivered_;
  std::function<void(const DeliveredKey&)> listener_;
  std::vector<UINT> held_;
  std::unique_ptr<Host> host_;  // Win32: the focused window that plays the host
};

}  // namespace corvane::input
