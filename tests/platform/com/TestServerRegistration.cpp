#include "tests/platform/com/TestServerRegistration.h"

#include <gtest/gtest.h>

#include "platform/com/ModulePath.h"
#include "platform/registry/Registry.h"
#include "tests/platform/testserver/TestServerIds.h"

namespace corvane::com::testing {
namespace {

using registry::Registry;

void WriteDefault(const std::u16string& key, const std::u16string& name, const std::u16string& value) {
  Registry classes(HKEY_CLASSES_ROOT);
  ASSERT_TRUE(classes.OpenKey(u"\\" + key, true)) << "cannot write HKCR";
  classes.WriteString(name, value);
}

}  // namespace

std::u16string TestServerPath() {
  static const int here = 0;
  return ModuleSiblingPath(&here, u"" CORVANE_TESTSERVER_NAME);
}

std::u16string GuidString(REFGUID guid) {
  OLECHAR text[40] = {};
  StringFromGUID2(guid, text, 40);
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

std::u16string ReadClassesRoot(const std::u16string& key, const std::u16string& name) {
  Registry classes(HKEY_CLASSES_ROOT);
  if (!classes.OpenKeyReadOnly(u"\\" + key)) return {};
  return classes.ReadString(name);
}

bool ClassesRootKeyExists(const std::u16string& key) { return Registry(HKEY_CLASSES_ROOT).KeyExists(u"\\" + key); }

TestServerRegistration::TestServerRegistration() {
  const std::u16string progId = testserver::kCounterProgId;
  WriteDefault(progId + u"\\Clsid", u"", GuidString(testserver::kCounterClsid));
  keys_.push_back(progId);
  AddClass(testserver::kCounterClsid, TestServerPath());
  WriteDefault(u"CLSID\\" + GuidString(testserver::kCounterClsid) + u"\\ProgID", u"", progId);
}

void TestServerRegistration::AddClass(REFCLSID clsid, const std::u16string& path) {
  const std::u16string key = u"CLSID\\" + GuidString(clsid);
  WriteDefault(key + u"\\InprocServer32", u"", path);
  // An apartment server is unloaded at once when it says it can be.
  WriteDefault(key + u"\\InprocServer32", u"ThreadingModel", u"Apartment");
  keys_.push_back(key);
}

TestServerRegistration::~TestServerRegistration() {
  Registry classes(HKEY_CLASSES_ROOT);
  for (const auto& key : keys_) classes.DeleteKey(u"\\" + key);
}

}  // namespace corvane::com::testing
