#include "about/AboutPicture.h"

#include "about/EmbeddedFile.h"
#include "platform/ui/JpegDecoder.h"

namespace corvane::about {

extern const EmbeddedFile kAboutPictureFiles[];

std::span<const std::uint8_t> AboutPictureJpeg() { return kAboutPictureFiles[0].Bytes(); }

ui::Bitmap AboutPicture() { return ui::DecodeJpeg(AboutPictureJpeg()); }

}  // namespace corvane::about
