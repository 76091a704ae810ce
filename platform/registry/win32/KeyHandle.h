// Owns an open registry key handle and closes it once.
#pragma once

#include "platform/com/com.h"

namespace corvane::registry::win32 {

class KeyHandle {
 public:
  KeyHandle() = default;
  explicit KeyHandle(HKEY key) : key_(key) {}
  ~KeyHandle() { reset(); }
  KeyHandle(KeyHandle&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  KeyHandle& operator=(KeyHandle&& other) noexcept {
    if (this != &other) {
      reset();
      key_ = other.key_;
      other.key_ = nullptr;
    }
    return *this;
  }
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }
  // For the out parameter of RegOpenKeyExW / RegCreateKeyExW.
  HKEY* put() {
    reset();
    return &key_;
  }
  void reset() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
  }

 private:
  HKEY key_ = nullptr;
};

}  // namespace corvane::registry::win32
