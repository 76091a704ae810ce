// A glyph as the design stores it ("Glyph.Data"): a little-endian 32-bit
// byte count, then a Windows bitmap file of that many bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace corvane::framework {

// The bitmap file; DesignFault when the count does not match the bytes
// that follow or they are no bitmap file of that size.
std::vector<uint8_t> DecodeGlyphData(const std::vector<uint8_t>& data);
std::vector<uint8_t> EncodeGlyphData(const std::vector<uint8_t>& bitmap);

}  // namespace corvane::framework
