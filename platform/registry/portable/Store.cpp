#include "platform/registry/portable/Store.h"

#include <cstdlib>
#include <string_view>

namespace corvane::registry::portable {
namespace {

struct RootName {
  HKEY root;
  std::string_view name;
};

const RootName kRootNames[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
};

}  // namespace

Store& Store::Instance() {
  static Store store;
  return store;
}

std::filesystem::path Store::Folder() {
  const char* folder = std::getenv(kStoreFolderVariable);
  if (folder && *folder) return folder;
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / ".corvane" / "registry";
}

std::filesystem::path Store::FileOf(HKEY root) {
  for (const RootName& entry : kRootNames) {
    if (entry.root == root) return Folder() / (std::string(entry.name) + ".reg");
  }
  return {};
}

RootFile* Store::Root(HKEY root) {
  const auto file = FileOf(root);
  if (file.empty()) return nullptr;
  auto& slot = roots_[file];
  if (!slot) slot = std::make_unique<RootFile>(file);
  return slot.get();
}

}  // namespace corvane::registry::portable
