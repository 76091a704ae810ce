// Makes the simulated Excel "installed" for the life of the object: the
// class entries through which CLSIDFromProgID("Excel.Application") and
// CoCreateInstance reach the sim's in-process server, and the CurVer entry
// from which the add-in reads Excel's version. All of them are removed at
// the end. Without one, Excel counts as not installed.
//
//   sim::ExcelInstallation installed;              // the built server, Excel 11
//   sim::ExcelInstallation installed(path, 10);    // another path or version
#pragma once

#include <string>

namespace corvane::sim {

class ExcelInstallation {
 public:
  // ComError when HKEY_CLASSES_ROOT cannot be written.
  explicit ExcelInstallation(std::u16string serverPath = ServerPath(), int majorVersion = 11);
  ~ExcelInstallation();
  ExcelInstallation(const ExcelInstallation&) = delete;
  ExcelInstallation& operator=(const ExcelInstallation&) = delete;

  // The server library built with the sim: next to the module that holds
  // the sim's code (natively the sim library, on Windows the program).
  static std::u16string ServerPath();
  // "Excel.Application.<n>".
  const std::u16string& versionedProgId() const { return versioned_; }

 private:
  void Remove() noexcept;

  std::u16string versioned_;
};

}  // namespace corvane::sim
