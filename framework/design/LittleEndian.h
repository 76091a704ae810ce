// Little-endian 32-bit numbers inside the design's byte blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane::framework {

// bytes must hold at + 4 bytes.
inline uint32_t ReadLe32(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

inline void AppendLe32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace corvane::framework
