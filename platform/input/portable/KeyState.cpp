#include "platform/input/KeyState.h"

#include "platform/input/portable/KeyStateTable.h"

namespace corvane::input {

SHORT AsyncKeyState(int virtualKey) {
  return static_cast<SHORT>(KeyStateTable::Process().IsDown(virtualKey) ? 0x8000 : 0);
}

SHORT ThreadKeyState(int virtualKey) {
  const KeyStateTable& table = KeyStateTable::ThisThread();
  const unsigned bits = (table.IsDown(virtualKey) ? 0xFF80u : 0u) | (table.IsToggled(virtualKey) ? 1u : 0u);
  return static_cast<SHORT>(bits);
}

bool IsKeyDown(int virtualKey) { return AsyncKeyState(virtualKey) < 0; }

}  // namespace corvane::input
