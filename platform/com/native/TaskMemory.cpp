// Task memory: the allocator that crosses module boundaries (GUID text,
// ProgIDs). One C heap serves the whole native process.
#include <cstdlib>

#include "platform/com/com.h"

STDAPI_(LPVOID) CoTaskMemAlloc(SIZE_T cb) { return std::malloc(cb ? cb : 1); }

STDAPI_(void) CoTaskMemFree(LPVOID pv) { std::free(pv); }
