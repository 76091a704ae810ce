// The workbench's command line:
//   corvane-workbench [--data DIR] [--workbook FILE] [--library FILE]
//                     [--script FILE | --tour] [--help]
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvane::workbench {

class OptionsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  std::optional<std::filesystem::path> data;
  std::optional<std::string> workbook;
  std::optional<std::string> library;
  std::optional<std::string> script;
  bool tour = false;
  bool help = false;
};

Options ParseOptions(const std::vector<std::string>& arguments);
const char* Usage();

}  // namespace corvane::workbench
