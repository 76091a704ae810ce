// The system's imaging component behind DecodeJpeg (the Windows toolchain
// has no libjpeg).
#include <wincodec.h>

#include <string>

#include "platform/com/ComError.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Text.h"
#include "platform/ui/JpegDecoder.h"

namespace corvane::ui::detail {

namespace {

void Check(HRESULT hr, const char16_t* step) {
  if (FAILED(hr)) {
    ThrowBadPicture(std::u16string(step) + u" failed (" + com::Utf8ToUtf16(com::HResultText(hr)) + u")");
  }
}

com::ComPtr<IWICBitmapFrameDecode> FirstFrame(IWICImagingFactory* factory, std::span<const std::uint8_t> bytes,
                                              com::ComPtr<IWICStream>& stream) {
  Check(factory->CreateStream(stream.put()), u"creating the picture stream");
  // The stream only reads the bytes, which outlive it.
  Check(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())),
        u"reading the picture");
  com::ComPtr<IWICBitmapDecoder> decoder;
  Check(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.put()),
        u"recognising the picture");
  GUID format{};
  Check(decoder->GetContainerFormat(&format), u"reading the picture's format");
  if (!IsEqualGUID(format, GUID_ContainerFormatJpeg)) ThrowBadPicture(u"it is not a JPEG picture");
  com::ComPtr<IWICBitmapFrameDecode> frame;
  Check(decoder->GetFrame(0, frame.put()), u"decoding the picture");
  return frame;
}

}  // namespace

Bitmap DecodeJpegPixels(std::span<const std::uint8_t> bytes) {
  com::ComPtr<IWICImagingFactory> factory;
  com::ThrowIfFailed(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      factory.put_void()));
  com::ComPtr<IWICStream> stream;
  com::ComPtr<IWICBitmapFrameDecode> frame = FirstFrame(factory.get(), bytes, stream);
  UINT width = 0, height = 0;
  Check(frame->GetSize(&width, &height), u"reading the picture's size");
  const std::int64_t pixels = std::int64_t{width} * height;
  if (pixels <= 0 || pixels > kMaxPicturePixels) ThrowBadPicture(u"its size cannot be shown");
  com::ComPtr<IWICFormatConverter> converter;
  Check(factory->CreateFormatConverter(converter.put()), u"converting the picture");
  Check(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                              WICBitmapPaletteTypeCustom),
        u"converting the picture");
  Bitmap picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.assign(static_cast<std::size_t>(pixels), 0);
  Check(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels * 4),
                              reinterpret_cast<BYTE*>(picture.pixels.data())),
        u"decoding the picture");
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFF;  // the unused fourth byte
  return picture;
}

}  // namespace corvane::ui::detail
