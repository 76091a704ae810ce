// Movable memory of the portable build. Handles are checked against the live
// blocks, so a stale or foreign handle fails as it does on Windows instead of
// corrupting memory.
#include "platform/clipboard/GlobalMemory.h"

#include <mutex>
#include <unordered_set>
#include <vector>

#include "platform/clipboard/portable/Simulation.h"

namespace corvane::clipboard {

namespace {

struct Block {
  std::vector<BYTE> bytes;
  int locks = 0;
};

std::mutex blocksLock;
// Never destroyed: blocks the clipboard still holds at exit stay reachable.
auto* const liveBlocks = new std::unordered_set<Block*>;

Block* Live(HGLOBAL handle) {
  auto* block = static_cast<Block*>(handle);
  return liveBlocks->count(block) ? block : nullptr;
}

}  // namespace

namespace global {

HGLOBAL Allocate(size_t size) {
  auto* block = new Block{std::vector<BYTE>(size), 0};
  std::lock_guard<std::mutex> hold(blocksLock);
  liveBlocks->insert(block);
  return block;
}

void* Lock(HGLOBAL handle) {
  std::lock_guard<std::mutex> hold(blocksLock);
  Block* block = Live(handle);
  // A block of no bytes has nothing to lock, as a discarded block on Windows.
  if (!block || block->bytes.empty()) return nullptr;
  ++block->locks;
  return block->bytes.data();
}

bool Unlock(HGLOBAL handle) {
  std::lock_guard<std::mutex> hold(blocksLock);
  Block* block = Live(handle);
  if (!block || block->locks == 0) return false;
  return --block->locks > 0;
}

size_t Size(HGLOBAL handle) {
  std::lock_guard<std::mutex> hold(blocksLock);
  Block* block = Live(handle);
  return block ? block->bytes.size() : 0;
}

HGLOBAL Free(HGLOBAL handle) {
  std::lock_guard<std::mutex> hold(blocksLock);
  Block* block = Live(handle);
  if (!block) return handle;
  liveBlocks->erase(block);
  delete block;
  return nullptr;
}

}  // namespace global

size_t LiveBlockCount() {
  std::lock_guard<std::mutex> hold(blocksLock);
  return liveBlocks->size();
}

}  // namespace corvane::clipboard
