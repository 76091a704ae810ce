// Another program holding the clipboard open, as clipboard tools and
// remote-desktop clients do now and then: while the object lives, this
// program cannot open the clipboard. For tests and the simulated machine.
#pragma once

#include <memory>

namespace corvane::clipboard {

class ClipboardHolder {
 public:
  // Returns once the clipboard is held; ComError when it cannot be taken.
  ClipboardHolder();
  ~ClipboardHolder();
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace corvane::clipboard
