#include "platform/input/KeyboardHook.h"

#include <array>
#include <mutex>
#include <utility>

#include "platform/com/ComError.h"

namespace corvane::input {

namespace {
// The system calls a hook procedure without any context, so each live hook
// gets a procedure of its own: a fixed set of trampolines, one per slot.
constexpr size_t kSlots = 16;

std::mutex& SlotLock() {
  static std::mutex lock;
  return lock;
}

std::array<KeyboardHook*, kSlots>& Slots() {
  static std::array<KeyboardHook*, kSlots> slots{};
  return slots;
}

KeyboardHook* HookIn(size_t slot) {
  std::lock_guard guard(SlotLock());
  return Slots()[slot];
}

template <size_t Slot>
LRESULT CALLBACK Trampoline(int code, WPARAM virtualKey, LPARAM keyData) {
  KeyboardHook* hook = HookIn(Slot);
  return hook ? hook->Run(code, virtualKey, keyData) : CallNextHookEx(nullptr, code, virtualKey, keyData);
}

template <size_t... Slot>
constexpr std::array<HOOKPROC, kSlots> MakeTrampolines(std::index_sequence<Slot...>) {
  return {&Trampoline<Slot>...};
}
constexpr std::array<HOOKPROC, kSlots> kTrampolines = MakeTrampolines(std::make_index_sequence<kSlots>());

size_t TakeSlot(KeyboardHook* hook) {
  std::lock_guard guard(SlotLock());
  for (size_t slot = 0; slot < kSlots; ++slot) {
    if (!Slots()[slot]) {
      Slots()[slot] = hook;
      return slot;
    }
  }
  throw com::ComError(E_OUTOFMEMORY, u"Too many keyboard hooks");
}

void FreeSlot(KeyboardHook* hook) {
  std::lock_guard guard(SlotLock());
  for (KeyboardHook*& slot : Slots()) {
    if (slot == hook) slot = nullptr;
  }
}
}  // namespace

void KeyboardHook::Install() {
  const size_t slot = TakeSlot(this);
  handle_ = SetWindowsHookExW(WH_KEYBOARD, kTrampolines[slot], nullptr, GetCurrentThreadId());
  if (!handle_) {
    const DWORD error = GetLastError();
    FreeSlot(this);
    throw com::ComError(HRESULT_FROM_WIN32(error), u"Cannot install the keyboard hook");
  }
}

void KeyboardHook::Uninstall() {
  if (handle_) UnhookWindowsHookEx(std::exchange(handle_, nullptr));
  FreeSlot(this);
}

LRESULT KeyboardHook::CallNext(int code, WPARAM virtualKey, LPARAM keyData) const {
  return CallNextHookEx(handle_, code, virtualKey, keyData);
}

}  // namespace corvane::input
