// The seam for a module's keyboard shortcuts: while a module handles them
// it holds one ShortcutHook, the thread keyboard hook and the hidden
// window that clicks the buttons. The module installs one when
// HandleShortcuts becomes true (and at the end of its start-up) and frees
// it when the switch goes off or the module goes. Which hook is made is
// the factory's: by default the thread keyboard hook and the native window
// (ShortcutKeys); tests put their own; without a factory none is made.
#pragma once

#include <functional>
#include <memory>

namespace corvane::framework {

class TkvxCOMAddInModule;

class ShortcutHook {
 public:
  virtual ~ShortcutHook() = default;
};

using ShortcutHookFactory = std::function<std::unique_ptr<ShortcutHook>(TkvxCOMAddInModule&)>;

// Replaces the factory; the one set before is returned (tests put it back).
ShortcutHookFactory SetShortcutHookFactory(ShortcutHookFactory Factory);
// A new hook for the module, or null without a factory.
std::unique_ptr<ShortcutHook> MakeShortcutHook(TkvxCOMAddInModule& Module);

}  // namespace corvane::framework
