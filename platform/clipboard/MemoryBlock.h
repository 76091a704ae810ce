// Owner of one movable memory block, freed unless handed over (release), as
// to the clipboard.
#pragma once

#include <cstddef>

#include "platform/com/com.h"

namespace corvane::clipboard {

class MemoryBlock {
 public:
  MemoryBlock() = default;
  // Takes over a block the caller owns.
  explicit MemoryBlock(HGLOBAL block) : block_(block) {}
  ~MemoryBlock() { reset(); }
  MemoryBlock(MemoryBlock&& other) noexcept;
  MemoryBlock& operator=(MemoryBlock&& other) noexcept;
  MemoryBlock(const MemoryBlock&) = delete;
  MemoryBlock& operator=(const MemoryBlock&) = delete;

  // Empty when the memory cannot be had.
  static MemoryBlock Allocate(size_t size);
  // A new block holding a copy of source's bytes; empty when source is null,
  // has no bytes or cannot be locked, or no block can be had.
  static MemoryBlock CopyOf(HGLOBAL source);

  HGLOBAL get() const { return block_; }
  explicit operator bool() const { return block_ != nullptr; }
  size_t size() const;
  // Gives up ownership.
  HGLOBAL release();
  void reset();

 private:
  HGLOBAL block_ = nullptr;
};

}  // namespace corvane::clipboard
