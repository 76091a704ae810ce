// What a button shows as its icon: a built-in face by number, a bitmap
// pasted from the clipboard, or a picture object set through Picture.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/Bitmap.h"

namespace corvane::sim::office {

struct ButtonFace {
  enum class Source : int32_t { kNone = 0, kFaceId = 1, kPasted = 2, kPicture = 3 };
  Source source = Source::kNone;
  // Pasted faces: the device-independent bitmap bytes when the clipboard
  // offered them (empty when it held only a bitmap handle).
  std::vector<uint8_t> bitmap;
  // Picture faces: whether a transparency mask was set as well.
  bool hasMask = false;
  // What the button shows, as pixels: the picture's or the pasted bitmap's
  // (empty for a built-in face, and for a face read back from the store).
  ui::Bitmap pixels;
  // The picture face's mask as pixels: white where transparent.
  ui::Bitmap mask;
};

}  // namespace corvane::sim::office
