#include "platform/registry/KeyPath.h"

namespace corvane::registry {

std::vector<std::u16string_view> SplitKeyPath(std::u16string_view fullPath) {
  std::vector<std::u16string_view> parts;
  size_t start = 0;
  while (start <= fullPath.size()) {
    size_t end = fullPath.find(u'\\', start);
    if (end == std::u16string_view::npos) end = fullPath.size();
    if (end > start) parts.push_back(fullPath.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::u16string ResolveKeyPath(std::u16string_view current, std::u16string_view path) {
  std::u16string full;
  const bool absolute = !path.empty() && path.front() == u'\\';
  auto append = [&full](std::u16string_view part) {
    if (!full.empty()) full += u'\\';
    full += part;
  };
  if (!absolute) {
    for (auto part : SplitKeyPath(current)) append(part);
  }
  for (auto part : SplitKeyPath(path)) append(part);
  return full;
}

}  // namespace corvane::registry
