#include "platform/com/ModulePath.h"

namespace corvane::com {
namespace {

#ifdef _WIN32
constexpr char16_t kSeparator = u'\\';
#else
constexpr char16_t kSeparator = u'/';
#endif

}  // namespace

std::u16string FolderOfPath(std::u16string_view path) {
  const auto cut = path.find_last_of(u"/\\");
  if (cut == std::u16string_view::npos) return {};
  // The root keeps its separator ("/" or "C:\").
  const bool root = cut == 0 || (cut == 2 && path[1] == u':');
  return std::u16string(path.substr(0, root ? cut + 1 : cut));
}

std::u16string ModuleFolderOf(const void* address) { return FolderOfPath(ModulePathOf(address)); }

std::u16string ModuleSiblingPath(const void* address, std::u16string_view fileName) {
  std::u16string path = ModuleFolderOf(address);
  if (path.empty()) return {};
  if (path.back() != kSeparator && path.back() != u'/') path += kSeparator;
  path += fileName;
  return path;
}

}  // namespace corvane::com
