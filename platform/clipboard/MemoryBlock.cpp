#include "platform/clipboard/MemoryBlock.h"

#include <cstring>
#include <utility>

#include "platform/clipboard/BlockLock.h"
#include "platform/clipboard/GlobalMemory.h"

namespace corvane::clipboard {

MemoryBlock::MemoryBlock(MemoryBlock&& other) noexcept : block_(other.release()) {}

MemoryBlock& MemoryBlock::operator=(MemoryBlock&& other) noexcept {
  if (this != &other) {
    reset();
    block_ = other.release();
  }
  return *this;
}

MemoryBlock MemoryBlock::Allocate(size_t size) { return MemoryBlock(global::Allocate(size)); }

MemoryBlock MemoryBlock::CopyOf(HGLOBAL source) {
  if (!source) return {};
  BlockLock from(source);
  if (!from || from.size() == 0) return {};
  MemoryBlock copy = Allocate(from.size());
  BlockLock to(copy.get());
  if (!to) return {};
  std::memcpy(to.data(), from.data(), from.size());
  return copy;
}

size_t MemoryBlock::size() const { return block_ ? global::Size(block_) : 0; }

HGLOBAL MemoryBlock::release() { return std::exchange(block_, nullptr); }

void MemoryBlock::reset() {
  if (HGLOBAL old = release()) global::Free(old);
}

}  // namespace corvane::clipboard
