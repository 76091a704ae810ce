// The simulated keyboard's key states: one table for the whole process (what
// GetAsyncKeyState reads) and one per thread (what GetKeyState reads, which
// catches up when the thread takes the key).
#pragma once

#include <array>
#include <cstdint>
#include <mutex>

#include "platform/com/com.h"

namespace corvane::input {

class KeyStateTable {
 public:
  static KeyStateTable& Process();
  static KeyStateTable& ThisThread();

  // A sided key (VK_LCONTROL, not VK_CONTROL) goes down or up; the generic
  // modifier follows both sides.
  void Apply(UINT sidedKey, bool down);
  bool IsDown(int virtualKey) const;
  bool IsToggled(int virtualKey) const;

 private:
  static constexpr uint8_t kDown = 0x80;
  static constexpr uint8_t kToggled = 0x01;

  void Set(UINT key, bool down, bool pressed);
  uint8_t Bits(int virtualKey) const;

  // The process table is written by whichever thread drives a keyboard.
  mutable std::mutex lock_;
  std::array<uint8_t, 256> bits_{};
};

}  // namespace corvane::input
