#include "platform/clipboard/BlockLock.h"

#include "platform/clipboard/GlobalMemory.h"

namespace corvane::clipboard {

BlockLock::BlockLock(HGLOBAL block)
    : block_(block), data_(block ? global::Lock(block) : nullptr), size_(data_ ? global::Size(block) : 0) {}

BlockLock::~BlockLock() {
  if (data_) global::Unlock(block_);
}

}  // namespace corvane::clipboard
