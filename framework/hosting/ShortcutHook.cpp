#include "framework/hosting/ShortcutHook.h"

#include <utility>

namespace corvane::framework {
namespace {

ShortcutHookFactory& CurrentFactory() {
  static ShortcutHookFactory factory;
  return factory;
}

}  // namespace

ShortcutHookFactory SetShortcutHookFactory(ShortcutHookFactory Factory) {
  return std::exchange(CurrentFactory(), std::move(Factory));
}

std::unique_ptr<ShortcutHook> MakeShortcutHook(TkvxCOMAddInModule& Module) {
  return CurrentFactory() ? CurrentFactory()(Module) : nullptr;
}

}  // namespace corvane::framework
