// What the workbench tests share: a data folder of their own (removed at
// the end) and a session on it with the sample workbooks, Corvane
// registered there and loaded by the simulated Office.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/com/ServerRegistration.h"
#include "sim/core/ExcelInstallation.h"
#include "workbench/AddInRegistration.h"
#include "workbench/Program.h"
#include "workbench/SampleWorkbook.h"
#include "workbench/ScriptRunner.h"
#include "workbench/Session.h"

namespace corvane::workbench::testing {

class TemporaryFolder {
 public:
  TemporaryFolder() : path_(std::filesystem::temp_directory_path() / ("corvane-simdata-workbench-" + RandomPart())) {}
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  static std::string RandomPart() {
    std::random_device device;
    return std::to_string(device()) + std::to_string(device());
  }
  std::filesystem::path path_;
};

struct ScriptResult {
  int status = 0;
  std::string out;
  std::string errors;
};

class WorkbenchTest : public ::testing::Test {
 protected:
  void StartSession(std::vector<WorkbookPlan> workbooks = SampleWorkbooks()) {
    session = std::make_unique<Session>(SessionConfig{folder.path() / "data", DefaultLibrary(), std::move(workbooks)});
    session->Start();
  }
  ScriptResult RunScript(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream out, errors;
    ScriptRunner runner(*session, out, errors);
    const int status = runner.Run(in, "test");
    return {status, out.str(), errors.str()};
  }
  // The whole program, standard input not a terminal.
  static ScriptResult RunWorkbench(const std::vector<std::string>& arguments, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, errors;
    const int status = RunProgram(arguments, {in, out, errors, false, nullptr});
    return {status, out.str(), errors.str()};
  }

  // Natively the registry is a store in this test's folder; under Wine it
  // is the prefix's, which other tests compare before and after, so
  // Corvane goes as it came.
  void TearDown() override {
    session.reset();
    if (!RegisteredLibrary().empty()) {
      // Corvane removes its key of a host that is installed only.
      sim::ExcelInstallation excel;
      EXPECT_EQ(com::CallRegistrationExport(DefaultLibrary(), false), S_OK) << "Corvane stays registered";
    }
  }

  TemporaryFolder folder;
  std::unique_ptr<Session> session;
};

}  // namespace corvane::workbench::testing
