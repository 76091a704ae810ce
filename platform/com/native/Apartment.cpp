// The native runtime has one implicit apartment: initialisation only counts.
#include <atomic>

#include "platform/com/com.h"

namespace {
std::atomic<int> g_initCount{0};
}

STDAPI CoInitialize(LPVOID) { return CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }

STDAPI CoInitializeEx(LPVOID, DWORD) { return g_initCount.fetch_add(1) == 0 ? S_OK : S_FALSE; }

STDAPI_(void) CoUninitialize() { g_initCount.fetch_sub(1); }
