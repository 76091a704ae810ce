// What both backends share: argument checks, retrying.
#include <thread>

#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/ClipboardBackend.h"
#include "platform/clipboard/Formats.h"
#include "platform/com/ComError.h"
#include "platform/com/Text.h"

namespace corvane::clipboard {

namespace {
void RequireKind(UINT format, bool memory) {
  if (HoldsMemoryBlock(format) == memory) return;
  throw com::ComError(E_INVALIDARG, com::Utf8ToUtf16("Clipboard format " + std::to_string(format) +
                                                     (memory ? " does not hold memory blocks"
                                                             : " holds memory blocks, not graphics handles")));
}
}  // namespace

bool SetData(UINT format, MemoryBlock& block) {
  RequireKind(format, true);
  if (!block || !SetMemoryData(format, block.get())) return false;
  block.release();
  return true;
}

bool SetHandle(UINT format, HANDLE handle) {
  RequireKind(format, false);
  return handle && SetHandleData(format, handle);
}

bool OpenWithRetry(int attempts, std::chrono::milliseconds pause) {
  for (int attempt = 0; attempt < attempts; ++attempt) {
    if (Open()) return true;
    std::this_thread::sleep_for(pause);
  }
  return false;
}

}  // namespace corvane::clipboard
