// libjpeg behind DecodeJpeg. libjpeg reports errors through a callback that
// must not return; it jumps back here instead of ending the process, and
// corrupt-data warnings count as errors too.
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "platform/com/Text.h"
#include "platform/ui/JpegDecoder.h"

namespace corvane::ui::detail {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;  // first, so libjpeg's pointer to it is one to us
  std::jmp_buf exit;
  char message[JMSG_LENGTH_MAX];
};

ErrorManager& ManagerOf(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

[[noreturn]] void Fail(j_common_ptr info) {
  ErrorManager& manager = ManagerOf(info);
  manager.base.format_message(info, manager.message);
  std::longjmp(manager.exit, 1);
}

void OnMessage(j_common_ptr info, int level) {
  if (level < 0) Fail(info);  // a warning: the data is damaged
}

// Everything libjpeg may jump out of stays in this one frame, which holds
// nothing with a destructor.
bool Decode(jpeg_decompress_struct& info, ErrorManager& manager, std::span<const std::uint8_t> bytes, Bitmap& out) {
  if (setjmp(manager.exit)) return false;
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const std::int64_t pixels = std::int64_t{info.output_width} * info.output_height;
  if (pixels <= 0 || pixels > kMaxPicturePixels || info.output_components != 3) {
    std::snprintf(manager.message, sizeof manager.message, "its size or colour layout cannot be shown");
    return false;
  }
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.pixels.assign(static_cast<std::size_t>(pixels), 0);
  // From libjpeg's own pool, freed with the decompressor even after a jump.
  JSAMPARRAY rows =
      (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 3, 1);
  const JSAMPLE* row = rows[0];
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    if (jpeg_read_scanlines(&info, rows, 1) != 1) continue;
    std::uint32_t* target = out.pixels.data() + static_cast<std::size_t>(y) * out.width;
    for (int x = 0; x < out.width; ++x) {
      target[x] = (std::uint32_t{row[x * 3]} << 16) | (std::uint32_t{row[x * 3 + 1]} << 8) | row[x * 3 + 2];
    }
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

Bitmap DecodeJpegPixels(std::span<const std::uint8_t> bytes) {
  jpeg_decompress_struct info{};
  ErrorManager manager{};
  info.err = jpeg_std_error(&manager.base);
  manager.base.error_exit = Fail;
  manager.base.emit_message = OnMessage;
  jpeg_create_decompress(&info);
  Bitmap picture;
  const bool decoded = Decode(info, manager, bytes, picture);
  jpeg_destroy_decompress(&info);
  if (!decoded) ThrowBadPicture(com::Utf8ToUtf16(manager.message));
  return picture;
}

}  // namespace corvane::ui::detail
