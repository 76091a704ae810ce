// A design that cannot be streamed in: the message names the design, the
// line and the place ("xlCBar.Buttons[3].Caption") before what is wrong.
// A ComError (the data is invalid: HRESULT_FROM_WIN32(ERROR_INVALID_DATA)),
// so that a boundary guard or HandleError reports its text.
#pragma once

#include <string>

#include "platform/com/ComError.h"

namespace corvane::framework {

class DesignError : public com::ComError {
 public:
  DesignError(std::string design, int line, std::string place, std::string what);

  const std::string& Design() const { return design_; }
  int Line() const { return line_; }
  const std::string& Place() const { return place_; }
  const std::string& What() const { return what_; }

 private:
  std::string design_;
  int line_;
  std::string place_;
  std::string what_;
};

// A fault found while converting a value or parsing: the reader adds the
// design, line and place and throws DesignError.
class DesignFault : public std::exception {
 public:
  explicit DesignFault(std::string what, int line = 0) : what_(std::move(what)), line_(line) {}
  const char* what() const noexcept override { return what_.c_str(); }
  int line() const { return line_; }

 private:
  std::string what_;
  int line_;
};

}  // namespace corvane::framework
