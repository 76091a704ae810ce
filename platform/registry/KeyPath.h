// Key paths as the registry object takes them: "\"-separated, absolute when
// they start with "\", otherwise relative to the open key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::registry {

// The full path from the root (no leading "\", no empty parts) of `path`
// taken from the key at `current` (itself a full path).
std::u16string ResolveKeyPath(std::u16string_view current, std::u16string_view path);

// The parts of a full path; none for the root itself.
std::vector<std::u16string_view> SplitKeyPath(std::u16string_view fullPath);

}  // namespace corvane::registry
