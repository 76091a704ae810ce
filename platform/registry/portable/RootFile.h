// One root of the portable store: its text file, the content last read from
// it, and atomic rewrites. The file is read again whenever it changed on
// disk, so every Registry object and every process sees the others' writes.
#pragma once

#include <sys/types.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/registry/RegistryError.h"
#include "platform/registry/portable/Key.h"

namespace corvane::registry::portable {

// A write the store refuses or cannot do (read-only root, a file that cannot
// be written); nothing has changed when it is thrown.
class StoreWriteError : public RegistryError {
 public:
  using RegistryError::RegistryError;
};

class RootFile {
 public:
  explicit RootFile(std::filesystem::path file) : file_(std::move(file)) {}

  const std::filesystem::path& file() const { return file_; }
  // Where a rewrite is staged before it replaces the file.
  static std::filesystem::path TempFileFor(const std::filesystem::path& file);
  // Its presence makes the root read-only.
  static std::filesystem::path ReadOnlyMarkerFor(const std::filesystem::path& file);

  // The current content. RegistryError naming the file and line when the
  // file is damaged.
  const Key& Read();
  // Applies `change` to a copy of the current content, with the store's
  // folder locked against other processes, and writes the result when
  // `change` returns true. Returns what `change` returned. StoreWriteError
  // when the root is read-only or the write fails; RegistryError when the
  // file is damaged (it is left as it is).
  bool Modify(const std::function<bool(Key&)>& change);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

 private:
  // What identifies one version of the file on disk.
  struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const Stamp& other) const;
    bool Recent() const;
  };
  static Stamp StampOf(const std::filesystem::path& file);
  void Load(const Stamp& stamp);
  void WriteAtomically(const std::string& text);

  std::filesystem::path file_;
  std::optional<Stamp> loaded_;
  std::string loadedText_;
  Key content_;
  std::optional<std::string> damage_;
};

}  // namespace corvane::registry::portable
