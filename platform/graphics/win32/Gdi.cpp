// Bitmaps and palettes of Windows' GDI.
#include <memory>

#include "platform/graphics/Gdi.h"

namespace corvane::graphics {

namespace {

// A 32-bit top-down device-independent layout of width x height.
BITMAPINFO TrueColorInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

struct ScreenDc {
  HDC dc = GetDC(nullptr);
  ~ScreenDc() {
    if (dc) ReleaseDC(nullptr, dc);
  }
};

std::uint32_t RgbOf(COLORREF color) { return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color); }

}  // namespace

HBITMAP CreateColorBitmap(const ui::Bitmap& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0) return nullptr;
  ScreenDc screen;
  if (!screen.dc) return nullptr;
  HBITMAP bitmap = CreateCompatibleBitmap(screen.dc, pixels.width, pixels.height);
  if (!bitmap) return nullptr;
  const BITMAPINFO info = TrueColorInfo(pixels.width, pixels.height);
  if (SetDIBits(screen.dc, bitmap, 0, pixels.height, pixels.pixels.data(), &info, DIB_RGB_COLORS) == 0) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

HBITMAP CreateMaskBitmap(int width, int height, const std::vector<bool>& set) {
  if (width <= 0 || height <= 0 || set.size() != static_cast<std::size_t>(width) * height) return nullptr;
  // Monochrome rows are padded to 16 bits.
  const std::size_t stride = ((static_cast<std::size_t>(width) + 15) / 16) * 2;
  std::vector<BYTE> bits(stride * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (set[static_cast<std::size_t>(y) * width + x]) bits[stride * y + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    }
  }
  return CreateBitmap(width, height, 1, 1, bits.data());
}

ui::Bitmap PixelsOf(HBITMAP bitmap) {
  BITMAP shape{};
  if (!bitmap || GetObjectW(bitmap, sizeof shape, &shape) != sizeof shape) return {};
  ScreenDc screen;
  BITMAPINFO info = TrueColorInfo(shape.bmWidth, shape.bmHeight);
  ui::Bitmap out{shape.bmWidth, shape.bmHeight,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(shape.bmWidth) * shape.bmHeight)};
  if (!screen.dc || GetDIBits(screen.dc, bitmap, 0, shape.bmHeight, out.pixels.data(), &info, DIB_RGB_COLORS) == 0) {
    return {};
  }
  for (std::uint32_t& pixel : out.pixels) pixel &= 0xFFFFFF;
  return out;
}

HPALETTE CreateColorPalette(const std::vector<std::uint32_t>& colors) {
  if (colors.empty() || colors.size() > 256) return nullptr;
  const std::size_t bytes = sizeof(LOGPALETTE) + colors.size() * sizeof(PALETTEENTRY);
  auto storage = std::make_unique<BYTE[]>(bytes);
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.get());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(colors.size());
  for (std::size_t i = 0; i < colors.size(); ++i) {
    palette->palPalEntry[i] = {static_cast<BYTE>(colors[i] >> 16), static_cast<BYTE>(colors[i] >> 8),
                               static_cast<BYTE>(colors[i]), 0};
  }
  return CreatePalette(palette);
}

std::vector<std::uint32_t> PaletteColors(HPALETTE palette) {
  WORD count = 0;
  if (!palette || GetObjectW(palette, sizeof count, &count) != sizeof count) return {};
  std::vector<PALETTEENTRY> entries(count);
  if (count == 0 || GetPaletteEntries(palette, 0, count, entries.data()) != count) return {};
  std::vector<std::uint32_t> colors;
  for (const PALETTEENTRY& e : entries) colors.push_back((e.peRed << 16) | (e.peGreen << 8) | e.peBlue);
  return colors;
}

bool DeleteGdiObject(HGDIOBJ object) { return object && DeleteObject(object) != FALSE; }

std::uint32_t ButtonFaceColor() { return RgbOf(GetSysColor(COLOR_BTNFACE)); }

}  // namespace corvane::graphics
