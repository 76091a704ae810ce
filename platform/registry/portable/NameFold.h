// Case-insensitive comparison of key and value names, as the registry does
// it: by upper-case UTF-16 unit, for ASCII, Latin-1, Latin Extended-A,
// Greek, Cyrillic and full-width Latin.
#pragma once

#include <string>
#include <string_view>

namespace corvane::registry::portable {

char16_t FoldUnit(char16_t c);
std::u16string FoldName(std::u16string_view name);
bool NamesEqual(std::u16string_view a, std::u16string_view b);
// <0, 0, >0 as a sorts before, with, after b ignoring case.
int CompareNames(std::u16string_view a, std::u16string_view b);

}  // namespace corvane::registry::portable
