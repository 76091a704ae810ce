// The clipboard and movable memory of Windows.
#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/ClipboardBackend.h"
#include "platform/clipboard/Formats.h"
#include "platform/clipboard/GlobalMemory.h"
#include "platform/com/Text.h"

namespace corvane::clipboard {

static_assert(kText == CF_TEXT && kBitmap == CF_BITMAP && kMetafilePicture == CF_METAFILEPICT && kDib == CF_DIB &&
              kPalette == CF_PALETTE && kUnicodeText == CF_UNICODETEXT && kEnhancedMetafile == CF_ENHMETAFILE);

bool Open(HWND owner) { return OpenClipboard(owner) != FALSE; }
bool Close() { return CloseClipboard() != FALSE; }
bool Empty() { return EmptyClipboard() != FALSE; }

std::vector<UINT> Formats() {
  std::vector<UINT> formats;
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    formats.push_back(format);
  }
  return formats;
}

HANDLE GetData(UINT format) { return GetClipboardData(format); }

bool SetMemoryData(UINT format, HGLOBAL block) { return SetClipboardData(format, block) != nullptr; }
bool SetHandleData(UINT format, HANDLE handle) { return SetClipboardData(format, handle) != nullptr; }

UINT RegisterFormat(const std::u16string& name) { return name.empty() ? 0 : RegisterClipboardFormatW(com::ole(name)); }

namespace global {

HGLOBAL Allocate(size_t size) { return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size); }
void* Lock(HGLOBAL block) { return GlobalLock(block); }
bool Unlock(HGLOBAL block) { return GlobalUnlock(block) != FALSE; }
size_t Size(HGLOBAL block) { return GlobalSize(block); }
HGLOBAL Free(HGLOBAL block) { return GlobalFree(block); }

}  // namespace global

}  // namespace corvane::clipboard
