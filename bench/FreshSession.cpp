#include "bench/FreshSession.h"

#include <random>
#include <string>
#include <system_error>

#include "workbench/Program.h"
#include "workbench/SampleWorkbook.h"

namespace corvane::bench {
namespace {

std::filesystem::path FreshFolder() {
  std::random_device device;
  return std::filesystem::temp_directory_path() / ("corvane-bench-" + std::to_string(device()));
}

}  // namespace

FreshSession::FreshSession() : folder_(FreshFolder()) {
  session_ = std::make_unique<workbench::Session>(
      workbench::SessionConfig{folder_ / "data", workbench::DefaultLibrary(), workbench::SampleWorkbooks()});
  session_->Start();
}

FreshSession::~FreshSession() {
  session_->Quit();
  session_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace corvane::bench
