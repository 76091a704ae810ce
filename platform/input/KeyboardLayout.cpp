#include "platform/input/KeyboardLayout.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/input/VirtualKeys.h"

namespace corvane::input {

namespace {
constexpr std::array kExtendedKeys{VK_RCONTROL, VK_RMENU,  VK_INSERT, VK_DELETE, VK_HOME,  VK_END,
                                   VK_PRIOR,    VK_NEXT,   VK_LEFT,   VK_UP,     VK_RIGHT, VK_DOWN,
                                   VK_NUMLOCK,  VK_DIVIDE, VK_LWIN,   VK_RWIN,   VK_APPS,  VK_SNAPSHOT};

// (sided key, generic key)
constexpr std::array<std::pair<UINT, UINT>, 6> kSides{{{VK_LSHIFT, VK_SHIFT},
                                                       {VK_RSHIFT, VK_SHIFT},
                                                       {VK_LCONTROL, VK_CONTROL},
                                                       {VK_RCONTROL, VK_CONTROL},
                                                       {VK_LMENU, VK_MENU},
                                                       {VK_RMENU, VK_MENU}}};
}  // namespace

bool IsExtendedKey(UINT virtualKey) {
  return std::find(kExtendedKeys.begin(), kExtendedKeys.end(), static_cast<int>(virtualKey)) != kExtendedKeys.end();
}

UINT GenericKey(UINT virtualKey) {
  for (const auto& [sided, generic] : kSides) {
    if (sided == virtualKey) return generic;
  }
  return virtualKey;
}

UINT SidedKey(UINT virtualKey) {
  // The left-hand entry comes first for each generic key.
  for (const auto& [sided, generic] : kSides) {
    if (generic == virtualKey) return sided;
  }
  return virtualKey;
}

}  // namespace corvane::input
