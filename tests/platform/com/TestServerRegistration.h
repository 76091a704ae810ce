// Writes the test server's class entries to HKEY_CLASSES_ROOT for the life
// of a test and removes them afterwards. The entries are real ones: the
// system's COM runtime reads classes past any in-process override.
#pragma once

#include <string>
#include <vector>

#include "platform/com/com.h"

namespace corvane::com::testing {

// The test server's full path: next to the test program.
std::u16string TestServerPath();

class TestServerRegistration {
 public:
  TestServerRegistration();
  ~TestServerRegistration();
  TestServerRegistration(const TestServerRegistration&) = delete;
  TestServerRegistration& operator=(const TestServerRegistration&) = delete;

  // Another class served by the library at path (which need not exist).
  void AddClass(REFCLSID clsid, const std::u16string& path);

 private:
  std::vector<std::u16string> keys_;
};

// "{...}" of a GUID.
std::u16string GuidString(REFGUID guid);
// The default value of a key below HKEY_CLASSES_ROOT; empty when missing.
std::u16string ReadClassesRoot(const std::u16string& key, const std::u16string& name = {});
bool ClassesRootKeyExists(const std::u16string& key);

}  // namespace corvane::com::testing
