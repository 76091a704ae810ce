// Memory blocks made from, and read back as, byte strings.
#pragma once

#include <cstring>
#include <string>

#include "platform/clipboard/BlockLock.h"
#include "platform/clipboard/MemoryBlock.h"

namespace corvane::clipboard {

inline MemoryBlock Filled(const std::string& bytes) {
  MemoryBlock block = MemoryBlock::Allocate(bytes.size());
  BlockLock lock(block.get());
  if (lock) std::memcpy(lock.data(), bytes.data(), bytes.size());
  return block;
}

// Empty when the block cannot be locked.
inline std::string BytesOf(HANDLE handle) {
  BlockLock lock(handle);
  return lock ? std::string(reinterpret_cast<const char*>(lock.data()), lock.size()) : std::string();
}

}  // namespace corvane::clipboard
