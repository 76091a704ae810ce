// Controls of the portable graphics for the native tests.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane::graphics {

// The colour ButtonFaceColor answers from now on (0x00RRGGBB).
void SetButtonFaceColor(std::uint32_t color);
// Bitmaps and palettes made and not yet deleted.
std::size_t LiveGdiObjectCount();

}  // namespace corvane::graphics
