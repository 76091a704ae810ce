#include "framework/commandbars/TSaveClipboard.h"

#include <string>

#include "platform/clipboard/BlockLock.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/ClipboardSession.h"
#include "platform/clipboard/Formats.h"
#include "platform/com/ScopeExit.h"
#include "platform/com/Text.h"

namespace corvane::framework {

namespace {

bool Skipped(UINT format) {
  return format == clipboard::kBitmap || format == clipboard::kMetafilePicture ||
         format == clipboard::kEnhancedMetafile;
}

UINT FormatOf(const std::u16string& text) { return static_cast<UINT>(std::stoul(com::Utf16ToUtf8(text))); }

}  // namespace

void TSaveClipboard::SaveClipboard() {
  clipboard::ClipboardSession session;
  if (!session.isOpen()) return;
  for (UINT format : clipboard::Formats()) {
    if (Skipped(format)) continue;
    clipboard::MemoryBlock copy = clipboard::MemoryBlock::CopyOf(static_cast<HGLOBAL>(clipboard::GetData(format)));
    if (copy) entries_.push_back({com::Utf8ToUtf16(std::to_string(format)), std::move(copy)});
  }
}

void TSaveClipboard::RestoreClipboard() {
  if (entries_.empty()) return;
  clipboard::ClipboardSession session;
  if (!session.isOpen()) return;
  auto forget = com::ScopeExit([&] { entries_.clear(); });
  clipboard::Empty();
  for (Entry& entry : entries_) {
    clipboard::BlockLock lock(entry.block.get());
    if (lock) clipboard::SetData(FormatOf(entry.format), entry.block);
  }
}

}  // namespace corvane::framework
