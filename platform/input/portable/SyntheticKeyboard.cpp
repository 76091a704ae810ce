#include "platform/input/SyntheticKeyboard.h"

#include "platform/input/KeyData.h"
#include "platform/input/KeyboardLayout.h"
#include "platform/input/VirtualKeys.h"
#include "platform/input/WindowMessages.h"
#include "platform/input/portable/HookChain.h"
#include "platform/input/portable/KeyStateTable.h"

namespace corvane::input {

struct SyntheticKeyboard::Host {
  // Alt went down and no other key has been pressed since: its release is
  // then a system key.
  bool altAlone = false;
};

namespace {
bool IsAlt(UINT key) { return GenericKey(key) == VK_MENU; }

// Alt without Ctrl makes a key a system key, as Windows composes them.
UINT DownMessage(const KeyStateTable& keys) {
  return keys.IsDown(VK_MENU) && !keys.IsDown(VK_CONTROL) ? WM_SYSKEYDOWN : WM_KEYDOWN;
}
}  // namespace

SyntheticKeyboard::SyntheticKeyboard() : host_(std::make_unique<Host>()) {}

SyntheticKeyboard::~SyntheticKeyboard() { ReleaseAll(); }

void SyntheticKeyboard::Send(UINT sidedKey, bool release) {
  KeyStateTable& keys = KeyStateTable::Process();
  const bool wasDown = keys.IsDown(static_cast<int>(sidedKey));
  keys.Apply(sidedKey, !release);

  UINT message = release ? WM_KEYUP : DownMessage(keys);
  if (release && IsAlt(sidedKey) && host_->altAlone) message = WM_SYSKEYUP;
  if (!release) host_->altAlone = IsAlt(sidedKey);

  KeyData data;
  data.scanCode = ScanCodeOf(sidedKey);
  data.extended = IsExtendedKey(sidedKey);
  data.altDown = message == WM_SYSKEYDOWN;
  data.wasDown = release || wasDown;
  data.released = release;

  const UINT key = GenericKey(sidedKey);
  const LRESULT swallowed = hook_chain::Run(HC_ACTION, key, data.Pack());
  // The thread's own state catches up as it takes the key, after the hooks.
  KeyStateTable::ThisThread().Apply(sidedKey, !release);
  if (!swallowed) Record(DeliveredKey{message, key, data.Pack()});
}

}  // namespace corvane::input
