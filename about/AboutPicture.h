// The About box's picture: a 294 x 375 JPEG compiled into the library
// (drawn by tools/about-picture).
#pragma once

#include <cstdint>
#include <span>

#include "platform/ui/Bitmap.h"

namespace corvane::about {

std::span<const std::uint8_t> AboutPictureJpeg();
// Decoded; throws com::ComError if the bytes cannot be decoded.
ui::Bitmap AboutPicture();

}  // namespace corvane::about
