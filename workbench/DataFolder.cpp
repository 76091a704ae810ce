#include "workbench/DataFolder.h"

#include <cstdlib>
#include <list>
#include <stdexcept>
#include <string>

namespace corvane::workbench {
namespace {

// putenv keeps the text itself: each one lives to the end of the process.
void SetVariable(const std::string& name, const std::string& value) {
  static std::list<std::string> texts;
  texts.push_back(name + "=" + value);
  putenv(texts.back().data());
}

std::optional<std::filesystem::path> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::filesystem::path(value);
}

}  // namespace

std::filesystem::path DataFolder::Resolve(const std::optional<std::filesystem::path>& given) {
  if (given) return std::filesystem::absolute(*given);
  if (const auto data = Variable("XDG_DATA_HOME")) return *data / "corvane";
  if (const auto home = Variable("HOME")) return *home / ".local" / "share" / "corvane";
  if (const auto profile = Variable("USERPROFILE")) return *profile / ".local" / "share" / "corvane";
  throw std::runtime_error("no data folder: set HOME or XDG_DATA_HOME, or give --data DIR");
}

DataFolder::DataFolder(std::filesystem::path root) : root_(std::move(root)) {
  std::filesystem::create_directories(registry());
  std::filesystem::create_directories(office());
  SetVariable("CORVANE_REGISTRY_DIR", registry().string());
  SetVariable("CORVANE_SIM_DATA", office().string());
}

}  // namespace corvane::workbench
