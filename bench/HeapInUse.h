// Bytes the process holds on its heap now (glibc's count of allocated
// bytes): a growth across many repeats of an action is memory kept.
#pragma once

#include <malloc.h>

#include <cstddef>

namespace corvane::bench {

// An address-sanitized build keeps its own heap, which glibc does not count.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kHeapMeasurable = false;
#else
inline constexpr bool kHeapMeasurable = true;
#endif

inline size_t HeapInUse() {
  malloc_trim(0);
  return mallinfo2().uordblks;
}

}  // namespace corvane::bench
