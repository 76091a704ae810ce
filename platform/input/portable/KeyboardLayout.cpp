// A US keyboard: set 1 scan codes, and the names Windows' US layout gives
// the keys that have no fixed shortcut name.
#include "platform/input/KeyboardLayout.h"

#include <array>
#include <string_view>

#include "platform/input/VirtualKeys.h"

namespace corvane::input {

namespace {
struct LayoutKey {
  UINT virtualKey;
  UINT scanCode;
  const char16_t* name;  // null: the fixed shortcut names cover the key
};

constexpr std::array<LayoutKey, 65> kKeys{{
    {VK_ESCAPE, 0x01, nullptr},
    {VK_BACK, 0x0E, nullptr},
    {VK_TAB, 0x0F, nullptr},
    {VK_RETURN, 0x1C, nullptr},
    {VK_SPACE, 0x39, nullptr},
    {VK_PRIOR, 0x49, nullptr},
    {VK_NEXT, 0x51, nullptr},
    {VK_END, 0x4F, nullptr},
    {VK_HOME, 0x47, nullptr},
    {VK_LEFT, 0x4B, nullptr},
    {VK_UP, 0x48, nullptr},
    {VK_RIGHT, 0x4D, nullptr},
    {VK_DOWN, 0x50, nullptr},
    {VK_INSERT, 0x52, nullptr},
    {VK_DELETE, 0x53, nullptr},
    {VK_NUMPAD0, 0x52, nullptr},
    {VK_NUMPAD1, 0x4F, nullptr},
    {VK_NUMPAD2, 0x50, nullptr},
    {VK_NUMPAD3, 0x51, nullptr},
    {VK_NUMPAD4, 0x4B, nullptr},
    {VK_NUMPAD5, 0x4C, nullptr},
    {VK_NUMPAD6, 0x4D, nullptr},
    {VK_NUMPAD7, 0x47, nullptr},
    {VK_NUMPAD8, 0x48, nullptr},
    {VK_NUMPAD9, 0x49, nullptr},
    {VK_F11, 0x57, nullptr},
    {VK_F12, 0x58, nullptr},
    {VK_F24, 0x76, nullptr},
    {VK_SHIFT, 0x2A, u"Shift"},
    {VK_LSHIFT, 0x2A, u"Shift"},
    {VK_RSHIFT, 0x36, u"Right Shift"},
    {VK_CONTROL, 0x1D, u"Ctrl"},
    {VK_LCONTROL, 0x1D, u"Ctrl"},
    {VK_RCONTROL, 0x1D, u"Right Ctrl"},
    {VK_MENU, 0x38, u"Alt"},
    {VK_LMENU, 0x38, u"Alt"},
    {VK_RMENU, 0x38, u"Right Alt"},
    {VK_CAPITAL, 0x3A, u"Caps Lock"},
    {VK_NUMLOCK, 0x45, u"Num Lock"},
    {VK_SCROLL, 0x46, u"Scroll Lock"},
    {VK_PAUSE, 0x45, u"Pause"},
    {VK_SNAPSHOT, 0x54, u"Prnt Scrn"},
    {VK_MULTIPLY, 0x37, u"Num *"},
    {VK_ADD, 0x4E, u"Num +"},
    {VK_SUBTRACT, 0x4A, u"Num -"},
    {VK_DECIMAL, 0x53, u"Num Del"},
    {VK_DIVIDE, 0x35, u"Num /"},
    {VK_LWIN, 0x5B, u"Left Windows"},
    {VK_RWIN, 0x5C, u"Right Windows"},
    {VK_APPS, 0x5D, u"Application"},
    {VK_OEM_1, 0x27, u";"},
    {VK_OEM_PLUS, 0x0D, u"="},
    {VK_OEM_COMMA, 0x33, u","},
    {VK_OEM_MINUS, 0x0C, u"-"},
    {VK_OEM_PERIOD, 0x34, u"."},
    {VK_OEM_2, 0x35, u"/"},
    {VK_OEM_3, 0x29, u"`"},
    {VK_OEM_4, 0x1A, u"["},
    {VK_OEM_5, 0x2B, u"\\"},
    {VK_OEM_6, 0x1B, u"]"},
    {VK_OEM_7, 0x28, u"'"},
    {VK_OEM_102, 0x56, u"\\"},
    {VK_CLEAR, 0x4C, u"Num 5"},
    {VK_SEPARATOR, 0x00, nullptr},
    {VK_SLEEP, 0x00, nullptr},
}};

// Letter rows and where each starts.
struct LetterRow {
  std::u16string_view letters;
  UINT firstScanCode;
};
constexpr std::array<LetterRow, 3> kLetterRows{{{u"QWERTYUIOP", 0x10}, {u"ASDFGHJKL", 0x1E}, {u"ZXCVBNM", 0x2C}}};

const LayoutKey* Find(UINT virtualKey) {
  for (const LayoutKey& key : kKeys) {
    if (key.virtualKey == virtualKey) return &key;
  }
  return nullptr;
}

UINT LetterScanCode(UINT letter) {
  for (const LetterRow& row : kLetterRows) {
    const size_t at = row.letters.find(static_cast<char16_t>(letter));
    if (at != std::u16string_view::npos) return row.firstScanCode + static_cast<UINT>(at);
  }
  return 0;
}
}  // namespace

UINT ScanCodeOf(UINT virtualKey) {
  if (virtualKey >= '1' && virtualKey <= '9') return 0x02 + (virtualKey - '1');
  if (virtualKey == '0') return 0x0B;
  if (virtualKey >= 'A' && virtualKey <= 'Z') return LetterScanCode(virtualKey);
  if (virtualKey >= VK_F1 && virtualKey <= VK_F10) return 0x3B + (virtualKey - VK_F1);
  if (virtualKey >= VK_F13 && virtualKey <= VK_F23) return 0x64 + (virtualKey - VK_F13);
  const LayoutKey* key = Find(virtualKey);
  return key ? key->scanCode : 0;
}

std::u16string LayoutKeyName(UINT virtualKey) {
  const LayoutKey* key = Find(virtualKey);
  return key && key->name ? std::u16string(key->name) : std::u16string();
}

}  // namespace corvane::input
