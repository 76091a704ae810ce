// The workbench's own data: a registry and a simulated Office data folder
// under one folder ($XDG_DATA_HOME/corvane, ~/.local/share/corvane, or the
// one given), so that the add-in's registration, its toolbar as the user
// left it and its start mode persist between runs and never touch the
// user's real registry store.
#pragma once

#include <filesystem>
#include <optional>

namespace corvane::workbench {

class DataFolder {
 public:
  // The given folder, else the default one; std::runtime_error when there
  // is none (no HOME).
  static std::filesystem::path Resolve(const std::optional<std::filesystem::path>& given);

  // Creates the folders and points the registry store and the simulated
  // Office at them for this process.
  explicit DataFolder(std::filesystem::path root);

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path registry() const { return root_ / "registry"; }
  std::filesystem::path office() const { return root_ / "office"; }

 private:
  std::filesystem::path root_;
};

}  // namespace corvane::workbench
