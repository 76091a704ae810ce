// Bitmaps and palettes as the graphics system keeps them, behind handles:
// GDI on Windows, a process-wide table with the same contract in the
// portable build. Prefer the owner GdiObject.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/com/com.h"
#include "platform/ui/Bitmap.h"

namespace corvane::graphics {

// A colour bitmap showing the pixels; null when it cannot be had.
HBITMAP CreateColorBitmap(const ui::Bitmap& pixels);
// A monochrome bitmap, row-major top-down: a true entry is a set bit (white).
HBITMAP CreateMaskBitmap(int width, int height, const std::vector<bool>& set);
// The pixels of a bitmap (a monochrome one white where set, black where
// clear); empty for a handle that is not a live bitmap.
ui::Bitmap PixelsOf(HBITMAP bitmap);
// A logical palette of 0x00RRGGBB colours; null when it cannot be had.
HPALETTE CreateColorPalette(const std::vector<std::uint32_t>& colors);
// Empty for a handle that is not a live palette.
std::vector<std::uint32_t> PaletteColors(HPALETTE palette);
// False for a handle that is not a live bitmap or palette.
bool DeleteGdiObject(HGDIOBJ object);
// The system's button-face colour, 0x00RRGGBB.
std::uint32_t ButtonFaceColor();

// A GDI handle as a picture object carries it, and back: 32 bits,
// sign-extended as the system widens handles.
inline OLE_HANDLE ToOleHandle(HGDIOBJ object) {
  return static_cast<OLE_HANDLE>(reinterpret_cast<std::uintptr_t>(object));
}
template <class Handle>
Handle FromOleHandle(OLE_HANDLE handle) {
  return reinterpret_cast<Handle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}

}  // namespace corvane::graphics
