// The simulated Office's saved command bars: a damaged file is a
// SimDataError naming the place; bars that load save to a file that loads
// to the same bars.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "sim/office/model/BarStore.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/SimDataError.h"

namespace {

using corvane::sim::office::BarStore;
using corvane::sim::office::CommandBarSet;

// A folder of this process's own, gone when it ends: the store reads and
// writes real files.
const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("corvane-fuzz-bars-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(path);
    std::atexit([] { std::filesystem::remove_all(Folder()); });
    return path;
  }();
  return folder;
}

std::optional<CommandBarSet> Loaded(const BarStore& store) {
  try {
    return store.Load();
  } catch (const corvane::sim::office::SimDataError&) {
    return std::nullopt;
  }
}

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const BarStore input(Folder() / "input.txt");
  std::ofstream(input.file(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const std::optional<CommandBarSet> bars = Loaded(input);
  if (!bars) return 0;
  const BarStore saved(Folder() / "saved.txt");
  const BarStore again(Folder() / "again.txt");
  saved.Save(*bars);
  again.Save(saved.Load());
  corvane::fuzz::Require(Contents(again.file()) == Contents(saved.file()), "saved bars load to the same bars");
  return 0;
}
