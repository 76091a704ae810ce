#include "platform/input/portable/KeyStateTable.h"

#include "platform/input/KeyboardLayout.h"
#include "platform/input/VirtualKeys.h"

namespace corvane::input {

KeyStateTable& KeyStateTable::Process() {
  static KeyStateTable table;
  return table;
}

KeyStateTable& KeyStateTable::ThisThread() {
  thread_local KeyStateTable table;
  return table;
}

void KeyStateTable::Apply(UINT sidedKey, bool down) {
  if (sidedKey > 0xFF) return;
  std::lock_guard guard(lock_);
  const bool pressed = down && !(bits_[sidedKey] & kDown);
  Set(sidedKey, down, pressed);
  const UINT generic = GenericKey(sidedKey);
  if (generic == sidedKey) return;
  bool anySide = false;
  for (UINT side = VK_LSHIFT; side <= VK_RMENU; ++side) {
    if (GenericKey(side) == generic && (bits_[side] & kDown)) anySide = true;
  }
  Set(generic, anySide, pressed && !(bits_[generic] & kDown));
}

void KeyStateTable::Set(UINT key, bool down, bool pressed) {
  uint8_t& bits = bits_[key];
  if (pressed) bits ^= kToggled;
  bits = static_cast<uint8_t>(down ? (bits | kDown) : (bits & ~kDown));
}

uint8_t KeyStateTable::Bits(int virtualKey) const {
  if (virtualKey < 0 || virtualKey > 0xFF) return 0;
  std::lock_guard guard(lock_);
  return bits_[virtualKey];
}

bool KeyStateTable::IsDown(int virtualKey) const { return (Bits(virtualKey) & kDown) != 0; }

bool KeyStateTable::IsToggled(int virtualKey) const { return (Bits(virtualKey) & kToggled) != 0; }

}  // namespace corvane::input
