// Movable global memory, the currency of the clipboard: the Windows Global*
// calls on Windows, a process-wide equivalent with the same contract in the
// portable build. Prefer the owners MemoryBlock and BlockLock.
#pragma once

#include <cstddef>

#include "platform/com/com.h"

namespace corvane::clipboard::global {

// A movable block of size bytes (zeroed); null when it cannot be had.
HGLOBAL Allocate(size_t size);
// Null for a handle that is not a live block.
void* Lock(HGLOBAL block);
// True while the block stays locked by an earlier Lock.
bool Unlock(HGLOBAL block);
// 0 for a handle that is not a live block.
size_t Size(HGLOBAL block);
// Null on success, the handle when it is not a live block.
HGLOBAL Free(HGLOBAL block);

}  // namespace corvane::clipboard::global
