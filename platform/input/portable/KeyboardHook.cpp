#include "platform/input/KeyboardHook.h"

#include <atomic>

#include "platform/input/portable/HookChain.h"

namespace corvane::input {

namespace {
// Distinct, never reused handle values; nothing dereferences them.
HHOOK NewHandle() {
  static std::atomic<uintptr_t> next{0x10000};
  return reinterpret_cast<HHOOK>(next.fetch_add(0x10));
}
}  // namespace

void KeyboardHook::Install() {
  handle_ = NewHandle();
  hook_chain::Add(this);
}

void KeyboardHook::Uninstall() {
  hook_chain::Remove(this);
  handle_ = nullptr;
}

LRESULT KeyboardHook::CallNext(int code, WPARAM virtualKey, LPARAM keyData) const {
  KeyboardHook* next = hook_chain::After(this);
  return next ? next->Run(code, virtualKey, keyData) : 0;
}

}  // namespace corvane::input
