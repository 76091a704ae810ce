#include "platform/clipboard/ClipboardSession.h"

#include "platform/clipboard/Clipboard.h"

namespace corvane::clipboard {

ClipboardSession::ClipboardSession(int attempts, std::chrono::milliseconds pause)
    : open_(OpenWithRetry(attempts, pause)) {}

ClipboardSession::~ClipboardSession() {
  if (open_) Close();
}

}  // namespace corvane::clipboard
