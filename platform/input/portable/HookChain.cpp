#include "platform/input/portable/HookChain.h"

#include <algorithm>
#include <vector>

#include "platform/input/KeyboardHook.h"

namespace corvane::input::hook_chain {

namespace {
std::vector<KeyboardHook*>& Chain() {
  thread_local std::vector<KeyboardHook*> chain;
  return chain;
}
}  // namespace

void Add(KeyboardHook* hook) { Chain().insert(Chain().begin(), hook); }

void Remove(KeyboardHook* hook) {
  auto& chain = Chain();
  chain.erase(std::remove(chain.begin(), chain.end(), hook), chain.end());
}

KeyboardHook* After(const KeyboardHook* hook) {
  const auto& chain = Chain();
  const auto at = std::find(chain.begin(), chain.end(), hook);
  if (at == chain.end() || at + 1 == chain.end()) return nullptr;
  return *(at + 1);
}

LRESULT Run(int code, WPARAM virtualKey, LPARAM keyData) {
  const auto& chain = Chain();
  return chain.empty() ? 0 : chain.front()->Run(code, virtualKey, keyData);
}

}  // namespace corvane::input::hook_chain
