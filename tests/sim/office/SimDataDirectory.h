// A fresh data directory for simulated Excel runs, named by CORVANE_SIM_DATA
// for the test's length (removed, and the variable emptied, at the end).
// Its name carries a random part: the same test run by two programs at
// once (shards, or two checkouts) must not share it.
// putenv is used because it exists in both runtimes and, on Windows, the
// in-process server shares the program's C runtime environment.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <list>
#include <random>
#include <string>

namespace corvane::sim::office::testing {

class SimDataDirectory {
 public:
  explicit SimDataDirectory(const std::string& name)
      : dir_(std::filesystem::temp_directory_path() / ("corvane-simdata-" + name + "-" + RandomPart())) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    Set(dir_.string());
  }
  ~SimDataDirectory() {
    Set("");
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  SimDataDirectory(const SimDataDirectory&) = delete;
  SimDataDirectory& operator=(const SimDataDirectory&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path bars() const { return dir_ / "commandbars.txt"; }

 private:
  static std::string RandomPart() {
    std::random_device device;
    return std::to_string(device()) + std::to_string(device());
  }

  // putenv keeps the text itself on POSIX: each one lives to the end.
  static void Set(const std::string& value) {
    static std::list<std::string> texts;
    texts.push_back("CORVANE_SIM_DATA=" + value);
    putenv(texts.back().data());
  }

  std::filesystem::path dir_;
};

}  // namespace corvane::sim::office::testing
