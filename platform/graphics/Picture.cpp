#include "platform/graphics/Picture.h"

#include "platform/com/ComError.h"

namespace corvane::graphics {

com::ComPtr<IPicture> CreateBitmapPicture(HBITMAP bitmap, HPALETTE palette) {
  PICTDESC description{};
  description.cbSizeofstruct = sizeof(PICTDESC);
  description.picType = PICTYPE_BITMAP;
  description.bmp.hbitmap = bitmap;
  description.bmp.hpal = palette;
  com::ComPtr<IPicture> picture;
  com::ThrowIfFailed(OleCreatePictureIndirect(&description, IID_IPicture, FALSE, picture.put_void()));
  return picture;
}

ui::Bitmap PixelsOfPicture(IUnknown* object) {
  const com::ComPtr<IPicture> picture = com::try_as<IPicture>(object);
  if (!picture) return {};
  SHORT type = 0;
  OLE_HANDLE handle = 0;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle))) return {};
  return PixelsOf(FromOleHandle<HBITMAP>(handle));
}

}  // namespace corvane::graphics
