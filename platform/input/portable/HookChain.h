// The calling thread's keyboard hooks, most recent first.
#pragma once

#include "platform/com/com.h"

namespace corvane::input {

class KeyboardHook;

namespace hook_chain {

void Add(KeyboardHook* hook);
void Remove(KeyboardHook* hook);
// The hook after the given one; null when it is the last or not in the chain.
KeyboardHook* After(const KeyboardHook* hook);
// Runs the chain from its first hook; 0 when there is none.
LRESULT Run(int code, WPARAM virtualKey, LPARAM keyData);

}  // namespace hook_chain
}  // namespace corvane::input
