#include "platform/registry/portable/NameFold.h"

#include <algorithm>
#include <iterator>

namespace corvane::registry::portable {
namespace {

// Lower-case ranges and the offset to their upper case; a stride of 2 means
// only every second unit from `first` is lower case (alternating pairs).
struct FoldRange {
  char16_t first;
  char16_t last;
  int offset;
  int stride;
};

constexpr FoldRange kFoldRanges[] = {
    {0x0061, 0x007A, -32, 1}, {0x00E0, 0x00F6, -32, 1}, {0x00F8, 0x00FE, -32, 1}, {0x00FF, 0x00FF, 0x79, 1},
    {0x0101, 0x012F, -1, 2},  {0x0133, 0x0137, -1, 2},  {0x013A, 0x0148, -1, 2},  {0x014B, 0x0177, -1, 2},
    {0x017A, 0x017E, -1, 2},  {0x03AC, 0x03AC, -38, 1}, {0x03AD, 0x03AF, -37, 1}, {0x03B1, 0x03C1, -32, 1},
    {0x03C2, 0x03C2, -31, 1}, {0x03C3, 0x03CB, -32, 1}, {0x03CC, 0x03CC, -64, 1}, {0x03CD, 0x03CE, -63, 1},
    {0x0430, 0x044F, -32, 1}, {0x0450, 0x045F, -80, 1}, {0x0461, 0x0481, -1, 2},  {0x048B, 0x04BF, -1, 2},
    {0xFF41, 0xFF5A, -32, 1},
};

}  // namespace

char16_t FoldUnit(char16_t c) {
  for (const FoldRange& range : kFoldRanges) {
    if (c < range.first || c > range.last) continue;
    if ((c - range.first) % range.stride != 0) return c;
    return static_cast<char16_t>(c + range.offset);
  }
  return c;
}

std::u16string FoldName(std::u16string_view name) {
  std::u16string folded;
  folded.reserve(name.size());
  std::transform(name.begin(), name.end(), std::back_inserter(folded), FoldUnit);
  return folded;
}

int CompareNames(std::u16string_view a, std::u16string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const int difference = static_cast<int>(FoldUnit(a[i])) - static_cast<int>(FoldUnit(b[i]));
    if (difference != 0) return difference;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool NamesEqual(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareNames(a, b) == 0;
}

}  // namespace corvane::registry::portable
