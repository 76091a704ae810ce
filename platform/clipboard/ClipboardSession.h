// The clipboard opened (with retry) for a scope and closed at its end, also
// when the scope is left by an exception.
#pragma once

#include <chrono>

namespace corvane::clipboard {

class ClipboardSession {
 public:
  explicit ClipboardSession(int attempts = 101, std::chrono::milliseconds pause = std::chrono::milliseconds(10));
  ~ClipboardSession();
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;

  bool isOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace corvane::clipboard
