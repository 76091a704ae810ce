// A script line that cannot be carried out, or an expectation that does
// not hold; the runner names the line.
#pragma once

#include <stdexcept>

namespace corvane::workbench {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace corvane::workbench
