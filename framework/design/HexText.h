// Byte blocks of the design text as hex digit pairs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::framework {

// 0 to 15, or -1 for a character that is no hex digit.
int HexDigitValue(char c);
// Blanks are ignored; a digit that is no hex digit, or an odd count,
// throws DesignFault.
std::vector<uint8_t> HexToBytes(std::string_view digits);
// Upper-case pairs, bytesPerLine bytes to a line, lines joined by "\n".
std::vector<std::string> BytesToHexLines(const std::vector<uint8_t>& bytes, size_t bytesPerLine);

}  // namespace corvane::framework
