// Keeps a memory block locked for a scope and gives its bytes.
#pragma once

#include <cstddef>

#include "platform/com/com.h"

namespace corvane::clipboard {

class BlockLock {
 public:
  explicit BlockLock(HGLOBAL block);
  ~BlockLock();
  BlockLock(const BlockLock&) = delete;
  BlockLock& operator=(const BlockLock&) = delete;

  // False when the block could not be locked; data() is null then.
  explicit operator bool() const { return data_ != nullptr; }
  BYTE* data() const { return static_cast<BYTE*>(data_); }
  size_t size() const { return size_; }

 private:
  HGLOBAL block_;
  void* data_;
  size_t size_;
};

}  // namespace corvane::clipboard
