#include "platform/ui/portable/Simulation.h"

#include <mutex>

#include "platform/ui/Locale.h"
#include "platform/ui/ScriptedPresenter.h"

namespace corvane::ui {

namespace {
std::mutex separatorLock;
std::u16string separator = u".";
}  // namespace

void SetDecimalSeparator(std::u16string value) {
  std::lock_guard<std::mutex> hold(separatorLock);
  separator = std::move(value);
}

std::u16string DecimalSeparator() {
  std::lock_guard<std::mutex> hold(separatorLock);
  return separator;
}

ScriptedPresenter& DefaultScriptedPresenter() {
  static ScriptedPresenter presenter;
  return presenter;
}

Presenter& DefaultPresenter() { return DefaultScriptedPresenter(); }

}  // namespace corvane::ui
