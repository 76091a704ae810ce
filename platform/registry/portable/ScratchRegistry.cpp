#include "platform/registry/ScratchRegistry.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/registry/RegistryError.h"
#include "platform/registry/portable/Store.h"

namespace corvane::registry {

using portable::kStoreFolderVariable;
using portable::Store;

struct ScratchRegistry::State {
  std::optional<std::string> previousFolder;
  std::filesystem::path folder;
};

namespace {

std::filesystem::path MakeTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvane-registry-XXXXXX").string();
  if (!::mkdtemp(pattern.data()))
    throw RegistryError(ERROR_CANTWRITE, "cannot create a scratch registry folder from " + pattern);
  return pattern;
}

}  // namespace

ScratchRegistry::ScratchRegistry(bool /*isolateClassesRoot: the folder holds every root*/)
    : state_(std::make_unique<State>()) {
  if (const char* previous = std::getenv(kStoreFolderVariable)) state_->previousFolder = previous;
  state_->folder = MakeTemporaryFolder();
  ::setenv(kStoreFolderVariable, state_->folder.c_str(), 1);
}

ScratchRegistry::~ScratchRegistry() {
  if (state_->previousFolder) {
    ::setenv(kStoreFolderVariable, state_->previousFolder->c_str(), 1);
  } else {
    ::unsetenv(kStoreFolderVariable);
  }
  std::error_code ignored;
  std::filesystem::remove_all(state_->folder, ignored);
}

void ScratchRegistry::MakeReadOnly(HKEY root) {
  std::lock_guard lock(Store::Instance().mutex());
  portable::RootFile* file = Store::Instance().Root(root);
  if (!file || file->file().parent_path() != state_->folder) {
    throw RegistryError(ERROR_INVALID_PARAMETER, "the scratch registry does not hold this root");
  }
  file->SetReadOnly(true);
}

}  // namespace corvane::registry
