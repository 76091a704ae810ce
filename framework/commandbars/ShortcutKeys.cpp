#include "framework/commandbars/ShortcutKeys.h"

#include "platform/com/Text.h"
#include "platform/input/KeyData.h"
#include "platform/input/KeyNames.h"
#include "platform/input/KeyState.h"
#include "platform/input/Messages.h"
#include "platform/input/VirtualKeys.h"
#include "platform/input/WindowMessages.h"

namespace corvane::framework {
namespace {

ShortcutKeys*& CurrentKeys() {
  static ShortcutKeys* current = nullptr;
  return current;
}

bool EitherDown(int Left, int Right) { return input::IsKeyDown(Left) || input::IsKeyDown(Right); }

}  // namespace

ShortcutKeys::ShortcutKeys(TkvxBarModule& Module, std::u16string_view WindowText) : module_(Module) {
  if (ShortcutKeys* previous = CurrentKeys()) previous->HandOver();
  window_ = std::make_unique<TkvxNativeWindow>(Module, map_, WindowText);
  hook_ = std::make_unique<input::KeyboardHook>(
      [this](int code, WPARAM key, LPARAM data) { return OnKey(code, key, data); });
  CurrentKeys() = this;
}

ShortcutKeys::~ShortcutKeys() {
  if (CurrentKeys() == this) CurrentKeys() = nullptr;
}

ShortcutKeys* ShortcutKeys::Current() { return CurrentKeys(); }

HWND ShortcutKeys::WindowHandle() const { return window_ ? window_->Handle() : nullptr; }

void ShortcutKeys::HandOver() {
  hook_.reset();
  window_.reset();
  CurrentKeys() = nullptr;
}

std::optional<std::u16string> ShortcutKeys::ShortcutTextOf(WPARAM VirtualKey, LPARAM KeyData) {
  const input::KeyData data = input::KeyData::Unpack(KeyData);
  if ((VirtualKey >= VK_SHIFT && VirtualKey <= VK_MENU) || data.wasDown || data.released) return std::nullopt;
  const std::u16string name = input::KeyName(static_cast<UINT>(VirtualKey));
  if (name.empty()) return std::nullopt;
  std::u16string text;
  if (EitherDown(VK_LCONTROL, VK_RCONTROL)) text += u"Ctrl+";
  if (EitherDown(VK_LSHIFT, VK_RSHIFT)) text += u"Shift+";
  if (EitherDown(VK_LMENU, VK_RMENU)) text += u"Alt+";
  return com::AsciiUpper(text + name);
}

LRESULT ShortcutKeys::OnKey(int Code, WPARAM VirtualKey, LPARAM KeyData) {
  // Should Dispatch throw, the hook passes the key on as if no shortcut were set.
  if (Code == HC_ACTION && VirtualKey != 0 && KeyData != 0 && WindowHandle() && Dispatch(VirtualKey, KeyData)) {
    return 1;
  }
  return hook_->CallNext(Code, VirtualKey, KeyData);
}

bool ShortcutKeys::Dispatch(WPARAM VirtualKey, LPARAM KeyData) {
  const std::optional<std::u16string> text = ShortcutTextOf(VirtualKey, KeyData);
  if (!text) return false;
  map_.Build(module_);
  const std::optional<size_t> index = map_.Find(*text);
  if (!index) return false;
  input::SendMessageWithCallback(WindowHandle(), WM_KEYDOWN, *index, 0, [](HWND, UINT, LRESULT) {});
  return true;
}

}  // namespace corvane::framework
