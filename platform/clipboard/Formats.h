// Clipboard format numbers, with Windows' values.
#pragma once

#include "platform/com/com.h"

namespace corvane::clipboard {

inline constexpr UINT kText = 1;
inline constexpr UINT kBitmap = 2;
inline constexpr UINT kMetafilePicture = 3;
inline constexpr UINT kDib = 8;
inline constexpr UINT kPalette = 9;
inline constexpr UINT kUnicodeText = 13;
inline constexpr UINT kEnhancedMetafile = 14;
// Registered formats are numbered from here up to 0xFFFF.
inline constexpr UINT kFirstRegistered = 0xC000;

// False for the formats whose data are graphics handles (bitmap, metafile
// picture, palette, enhanced metafile) rather than movable memory blocks.
bool HoldsMemoryBlock(UINT format);

}  // namespace corvane::clipboard
