#include "platform/clipboard/Formats.h"

#include <algorithm>
#include <iterator>

namespace corvane::clipboard {

namespace {
constexpr UINT kHandleFormats[] = {kBitmap, kMetafilePicture, kPalette, kEnhancedMetafile};
}  // namespace

bool HoldsMemoryBlock(UINT format) {
  return std::find(std::begin(kHandleFormats), std::end(kHandleFormats), format) == std::end(kHandleFormats);
}

}  // namespace corvane::clipboard
