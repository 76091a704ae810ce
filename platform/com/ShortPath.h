// The short (8.3) form of a file's path. Registration writes a server path
// that holds a space in that form; where the file system has no short names
// (the native build's, or a volume with them switched off) the path stays.
#pragma once

#include <string>

namespace corvane::com {

std::u16string ShortPathOf(const std::u16string& path);

}  // namespace corvane::com
