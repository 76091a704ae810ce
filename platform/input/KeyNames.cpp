#include "platform/input/KeyNames.h"

#include <array>
#include <utility>

#include "platform/input/KeyboardLayout.h"
#include "platform/input/VirtualKeys.h"

namespace corvane::input {

namespace {
constexpr std::array<std::pair<UINT, const char16_t*>, 15> kFixedNames{{{VK_BACK, u"BkSp"},
                                                                        {VK_TAB, u"Tab"},
                                                                        {VK_RETURN, u"Enter"},
                                                                        {VK_ESCAPE, u"Esc"},
                                                                        {VK_SPACE, u"Space"},
                                                                        {VK_PRIOR, u"PgUp"},
                                                                        {VK_NEXT, u"PgDn"},
                                                                        {VK_END, u"End"},
                                                                        {VK_HOME, u"Home"},
                                                                        {VK_LEFT, u"Left"},
                                                                        {VK_UP, u"Up"},
                                                                        {VK_RIGHT, u"Right"},
                                                                        {VK_DOWN, u"Down"},
                                                                        {VK_INSERT, u"Ins"},
                                                                        {VK_DELETE, u"Del"}}};

bool Within(UINT key, UINT first, UINT last) { return key >= first && key <= last; }

std::u16string Character(UINT offset, char16_t first) {
  return std::u16string(1, static_cast<char16_t>(first + offset));
}

std::u16string FunctionKeyName(UINT number) {
  std::u16string name = u"F";
  if (number >= 10) name += static_cast<char16_t>(u'0' + number / 10);
  name += static_cast<char16_t>(u'0' + number % 10);
  return name;
}
}  // namespace

std::u16string KeyName(UINT virtualKey) {
  for (const auto& [key, name] : kFixedNames) {
    if (key == virtualKey) return name;
  }
  if (Within(virtualKey, '0', '9')) return Character(virtualKey - '0', u'0');
  if (Within(virtualKey, VK_NUMPAD0, VK_NUMPAD9)) return Character(virtualKey - VK_NUMPAD0, u'0');
  if (Within(virtualKey, 'A', 'Z')) return Character(virtualKey - 'A', u'A');
  if (Within(virtualKey, VK_F1, VK_F24)) return FunctionKeyName(virtualKey - VK_F1 + 1);
  return LayoutKeyName(virtualKey);
}

}  // namespace corvane::input
