// The portable backend's stand-ins for the user's machine, set by the
// simulated host, the workbench and the native tests.
#pragma once

#include <string>

namespace corvane::ui {

class ScriptedPresenter;

// The user's decimal separator ("." at first).
void SetDecimalSeparator(std::u16string separator);
// The presenter used while none is installed.
ScriptedPresenter& DefaultScriptedPresenter();

}  // namespace corvane::ui
