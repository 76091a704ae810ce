// A file compiled into the program as bytes (see EmbedFiles.cmake).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane::about {

struct EmbeddedFile {
  const char* name;
  const unsigned char* data;
  std::size_t size;

  std::span<const std::uint8_t> Bytes() const { return {data, size}; }
};

}  // namespace corvane::about
