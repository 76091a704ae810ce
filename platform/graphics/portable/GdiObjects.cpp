// The portable build's bitmaps and palettes: a table of live objects behind
// small handles (32 bits, as GDI's), so that a stale or foreign handle fails
// as it does on Windows.
#include <map>
#include <mutex>
#include <variant>

#include "platform/graphics/Gdi.h"
#include "platform/graphics/portable/Simulation.h"

namespace corvane::graphics {

namespace {

struct Palette {
  std::vector<std::uint32_t> colors;
};
using Object = std::variant<ui::Bitmap, Palette>;

std::mutex tableLock;
std::uintptr_t nextHandle = 0x00010000;
// Never destroyed: objects the clipboard still holds at exit stay reachable.
auto* const liveObjects = new std::map<std::uintptr_t, Object>;

template <class Handle>
Handle Add(Object object) {
  std::lock_guard<std::mutex> hold(tableLock);
  nextHandle += 4;
  liveObjects->emplace(nextHandle, std::move(object));
  return reinterpret_cast<Handle>(nextHandle);
}

template <class T>
const T* Find(const void* handle) {
  auto found = liveObjects->find(reinterpret_cast<std::uintptr_t>(handle));
  return found == liveObjects->end() ? nullptr : std::get_if<T>(&found->second);
}

constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

HBITMAP CreateColorBitmap(const ui::Bitmap& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0) return nullptr;
  return Add<HBITMAP>(pixels);
}

HBITMAP CreateMaskBitmap(int width, int height, const std::vector<bool>& set) {
  if (width <= 0 || height <= 0 || set.size() != static_cast<std::size_t>(width) * height) return nullptr;
  ui::Bitmap mask{width, height, {}};
  for (bool bit : set) mask.pixels.push_back(bit ? kWhite : 0);
  return Add<HBITMAP>(std::move(mask));
}

ui::Bitmap PixelsOf(HBITMAP bitmap) {
  std::lock_guard<std::mutex> hold(tableLock);
  const ui::Bitmap* found = Find<ui::Bitmap>(bitmap);
  return found ? *found : ui::Bitmap{};
}

HPALETTE CreateColorPalette(const std::vector<std::uint32_t>& colors) {
  if (colors.empty()) return nullptr;
  return Add<HPALETTE>(Palette{colors});
}

std::vector<std::uint32_t> PaletteColors(HPALETTE palette) {
  std::lock_guard<std::mutex> hold(tableLock);
  const Palette* found = Find<Palette>(palette);
  return found ? found->colors : std::vector<std::uint32_t>();
}

bool DeleteGdiObject(HGDIOBJ object) {
  std::lock_guard<std::mutex> hold(tableLock);
  return liveObjects->erase(reinterpret_cast<std::uintptr_t>(object)) > 0;
}

namespace {
std::uint32_t buttonFace = 0xF0F0F0;
}  // namespace

std::uint32_t ButtonFaceColor() {
  std::lock_guard<std::mutex> hold(tableLock);
  return buttonFace;
}

void SetButtonFaceColor(std::uint32_t color) {
  std::lock_guard<std::mutex> hold(tableLock);
  buttonFace = color;
}

std::size_t LiveGdiObjectCount() {
  std::lock_guard<std::mutex> hold(tableLock);
  return liveObjects->size();
}

}  // namespace corvane::graphics
