// JPEG pictures to pixels. Natively libjpeg decodes them; on Windows the
// system's imaging component does. Both first check the file's marker
// structure here, so a damaged or cut-off file is refused the same way on
// both, never drawn half grey.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/com/com.h"
#include "platform/ui/Bitmap.h"

namespace corvane::ui {

// The code of the error thrown (as com::ComError) for a picture that cannot
// be decoded; the imaging component's "bad image" code.
inline constexpr HRESULT kBadPicture = static_cast<HRESULT>(0x88982F60);

// Pictures larger than this many pixels are refused before any allocation:
// a damaged header must not ask for gigabytes.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 24;

// Throws com::ComError(kBadPicture, "The picture is damaged: ...") for
// anything but a whole baseline or progressive JPEG file.
Bitmap DecodeJpeg(std::span<const std::uint8_t> bytes);

namespace detail {
// The backend's decoder, given a file whose markers are known to be whole.
Bitmap DecodeJpegPixels(std::span<const std::uint8_t> bytes);
[[noreturn]] void ThrowBadPicture(const std::u16string& reason);
}  // namespace detail

}  // namespace corvane::ui
