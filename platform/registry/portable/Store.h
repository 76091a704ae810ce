// The portable store of the process: the folder named by CORVANE_REGISTRY_DIR
// (~/.corvane/registry when unset), one RootFile per root and folder. The
// variable is read on every access, so a scratch registry that points it
// elsewhere takes effect at once (also for child processes).
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "platform/com/com.h"
#include "platform/registry/portable/RootFile.h"

namespace corvane::registry::portable {

constexpr const char* kStoreFolderVariable = "CORVANE_REGISTRY_DIR";

class Store {
 public:
  static Store& Instance();

  static std::filesystem::path Folder();
  // The file of a root in the current folder; empty for a root the store does
  // not keep.
  static std::filesystem::path FileOf(HKEY root);

  // The root's file in the current folder, or null for a root the store does
  // not keep. Use it with mutex() held.
  RootFile* Root(HKEY root);
  std::mutex& mutex() { return mutex_; }

 private:
  std::mutex mutex_;
  std::map<std::filesystem::path, std::unique_ptr<RootFile>> roots_;
};

}  // namespace corvane::registry::portable
