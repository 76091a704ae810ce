// A keyboard hook (WH_KEYBOARD) on the calling thread, removed when the
// object goes. Hooks form a chain, the most recent first; a procedure that
// returns non-zero swallows the key, otherwise it should pass the key on
// through CallNext and return what that returns.
//
// The procedure gets (code, virtual key, key data); code HC_ACTION (0) is a
// key taken from the queue, negative codes must go straight on. An exception
// from the procedure never reaches the system: the key is passed on instead.
#pragma once

#include <functional>

#include "platform/com/com.h"

namespace corvane::input {

class KeyboardHook {
 public:
  using Procedure = std::function<LRESULT(int code, WPARAM virtualKey, LPARAM keyData)>;

  // ComError when the system refuses the hook.
  explicit KeyboardHook(Procedure procedure);
  ~KeyboardHook();
  KeyboardHook(const KeyboardHook&) = delete;
  KeyboardHook& operator=(const KeyboardHook&) = delete;

  HHOOK handle() const { return handle_; }
  // The rest of the chain after this hook; 0 when it is the last.
  LRESULT CallNext(int code, WPARAM virtualKey, LPARAM keyData) const;

  // Entry from the backend: runs the procedure, passing the key on when it
  // throws.
  LRESULT Run(int code, WPARAM virtualKey, LPARAM keyData);

 private:
  void Install();
  void Uninstall();

  Procedure procedure_;
  HHOOK handle_ = nullptr;
};

}  // namespace corvane::input
