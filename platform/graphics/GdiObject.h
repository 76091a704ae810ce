// Owner of one bitmap or palette handle, deleted unless handed over
// (release), as to the clipboard.
#pragma once

#include <utility>

#include "platform/graphics/Gdi.h"

namespace corvane::graphics {

template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.release();
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset() {
    if (Handle old = release()) DeleteGdiObject(old);
  }

 private:
  Handle handle_ = nullptr;
};

using BitmapHandle = GdiObject<HBITMAP>;
using PaletteHandle = GdiObject<HPALETTE>;

}  // namespace corvane::graphics
