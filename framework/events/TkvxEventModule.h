// What event components need of the add-in module that owns them: the one
// error reporter and the Excel application object the module connected.
// The module implements it; an event component reaches it through its owner.
#pragma once

#include <exception>

namespace corvane::framework {

class TExcelApplication;

class TkvxEventModule {
 public:
  // Never throws (the module's HandleError).
  virtual void HandleError(const std::exception& E) noexcept = 0;
  virtual void HandleError(std::exception_ptr E) noexcept = 0;
  // Null while the host is not Excel or not yet recognised.
  virtual TExcelApplication* ExcelApp() const = 0;

 protected:
  ~TkvxEventModule() = default;
};

}  // namespace corvane::framework
