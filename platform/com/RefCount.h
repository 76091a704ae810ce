// An interlocked reference count: the one a COM object keeps for itself, or
// the one an owner keeps for the objects embedded in it.
#pragma once

#include <atomic>

#include "platform/com/com.h"

namespace corvane::com {

class RefCount {
 public:
  explicit RefCount(ULONG initial = 0) : count_(initial) {}
  RefCount(const RefCount&) = delete;
  RefCount& operator=(const RefCount&) = delete;

  // The count after the change.
  ULONG Add() { return ++count_; }
  ULONG Remove() { return --count_; }
  ULONG Value() const { return count_; }

 private:
  std::atomic<ULONG> count_;
};

}  // namespace corvane::com
