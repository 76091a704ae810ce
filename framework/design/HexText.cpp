#include "framework/design/HexText.h"

#include "framework/design/DesignError.h"

namespace corvane::framework {
int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<uint8_t> HexToBytes(std::string_view digits) {
  std::vector<uint8_t> bytes;
  int high = -1;
  for (char c : digits) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    const int value = HexDigitValue(c);
    if (value < 0) throw DesignFault(std::string("bad hex digit \"") + c + "\"");
    if (high < 0) {
      high = value;
    } else {
      bytes.push_back(static_cast<uint8_t>(high * 16 + value));
      high = -1;
    }
  }
  if (high >= 0) throw DesignFault("odd number of hex digits");
  return bytes;
}

std::vector<std::string> BytesToHexLines(const std::vector<uint8_t>& bytes, size_t bytesPerLine) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::vector<std::string> lines;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % bytesPerLine == 0) lines.emplace_back();
    lines.back() += kDigits[bytes[i] >> 4];
    lines.back() += kDigits[bytes[i] & 15];
  }
  return lines;
}

}  // namespace corvane::framework
