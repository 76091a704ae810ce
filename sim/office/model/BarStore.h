// Keeps the command bars across simulated runs in a readable text file in
// the data directory named by CORVANE_SIM_DATA: permanent bars and controls
// with all their properties; temporary ones are not written.
#pragma once

#include <filesystem>
#include <optional>

namespace corvane::sim::office {

class CommandBarSet;

class BarStore {
 public:
  // The file in CORVANE_SIM_DATA; no store when the variable is not set.
  static std::optional<BarStore> FromEnvironment();
  explicit BarStore(std::filesystem::path file) : file_(std::move(file)) {}

  const std::filesystem::path& file() const { return file_; }
  // The saved bars, or the built-in ones when nothing was saved yet.
  // SimDataError when the file cannot be read or is damaged.
  CommandBarSet Load() const;
  // Written to a new file that then replaces the old one, so that a
  // failure halfway leaves the previous state. SimDataError on failure.
  void Save(const CommandBarSet& bars) const;

 private:
  std::filesystem::path file_;
};

}  // namespace corvane::sim::office
