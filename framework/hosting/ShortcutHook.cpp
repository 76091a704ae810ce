#include "framework/hosting/ShortcutHook.h"

#include <utility>

#include "framework/commandbars/ShortcutKeys.h"
#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::framework {
namespace {

class NativeShortcutHook final : public ShortcutHook {
 public:
  explicit NativeShortcutHook(TkvxCOMAddInModule& Module) : keys_(Module, Module.NativeWindowName()) {}

 private:
  ShortcutKeys keys_;
};

ShortcutHookFactory& CurrentFactory() {
  static ShortcutHookFactory factory = [](TkvxCOMAddInModule& Module) -> std::unique_ptr<ShortcutHook> {
    return std::make_unique<NativeShortcutHook>(Module);
  };
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
