// Picture objects over bitmaps, as hosts take them for a face.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/graphics/Gdi.h"

namespace corvane::graphics {

// A picture object of a bitmap (and its palette, may be null) that does not
// own the handles: they must outlive it. ComError when it cannot be made.
com::ComPtr<IPicture> CreateBitmapPicture(HBITMAP bitmap, HPALETTE palette);
// The pixels of the bitmap a picture object shows; empty when the object is
// no bitmap picture.
ui::Bitmap PixelsOfPicture(IUnknown* picture);

}  // namespace corvane::graphics
