#include "platform/input/KeyboardHook.h"

#include <utility>

namespace corvane::input {

KeyboardHook::KeyboardHook(Procedure procedure) : procedure_(std::move(procedure)) { Install(); }

KeyboardHook::~KeyboardHook() { Uninstall(); }

LRESULT KeyboardHook::Run(int code, WPARAM virtualKey, LPARAM keyData) {
  if (!procedure_) return CallNext(code, virtualKey, keyData);
  try {
    return procedure_(code, virtualKey, keyData);
  } catch (...) {
    // The system's caller cannot take an exception; the key goes on as if
    // this hook were not there.
    return CallNext(code, virtualKey, keyData);
  }
}

}  // namespace corvane::input
