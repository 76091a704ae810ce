// The decimal edits of the number format commands over any format text and
// separator: nothing throws, one decimal more never shortens the text and
// one decimal less never lengthens it.
#include <cstdint>
#include <string>

#include "addin/FormatEdit.h"
#include "fuzz/ByteSource.h"
#include "fuzz/FuzzCheck.h"

using corvane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  corvane::fuzz::ByteSource input(data, size);
  // Mostly the full stop the commands pass; sometimes another separator.
  const std::u16string separator = input.Byte() & 1 ? input.Text16(3) : u".";
  const std::u16string format = input.Rest16();
  const std::u16string more = corvane::addin::IncreaseDecimal(format, separator);
  const std::u16string less = corvane::addin::DecreaseDecimal(format, separator);
  Require(more.size() >= format.size(), "one decimal more never shortens the format");
  Require(less.size() <= format.size(), "one decimal less never lengthens the format");
  return 0;
}
