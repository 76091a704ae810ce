#include "sim/core/ExcelInstallation.h"

#include <initializer_list>

#include "platform/com/ComError.h"
#include "platform/com/ModulePath.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"
#include "sim/core/ApplicationFactory.h"

namespace corvane::sim {
namespace {

constexpr char16_t kProgId[] = u"Excel.Application";

std::u16string ClassKey() {
  OLECHAR text[40] = {};
  StringFromGUID2(kExcelApplicationClsid, text, 40);
  return u"\\CLSID\\" + std::u16string(com::from_ole(text));
}

std::u16string ClassText() { return ClassKey().substr(7); }

void WriteValue(const std::u16string& key, std::u16string_view name, std::u16string_view value) {
  registry::Registry classes(HKEY_CLASSES_ROOT);
  if (!classes.OpenKey(key, true)) {
    throw com::ComError(E_ACCESSDENIED, u"Cannot write HKEY_CLASSES_ROOT" + key);
  }
  classes.WriteString(name, value);
}

}  // namespace

std::u16string ExcelInstallation::ServerPath() {
#ifdef CORVANE_SIM_SERVER_FILE
  static const int here = 0;
  return com::ModuleSiblingPath(&here, u"" CORVANE_SIM_SERVER_FILE);
#else
  return {};
#endif
}

ExcelInstallation::ExcelInstallation(std::u16string serverPath, int majorVersion)
    : versioned_(std::u16string(kProgId) + u"." + com::Utf8ToUtf16(std::to_string(majorVersion))) {
  const std::u16string root(u"\\");
  try {
    WriteValue(root + kProgId + u"\\Clsid", u"", ClassText());
    WriteValue(root + kProgId + u"\\CurVer", u"", versioned_);
    WriteValue(root + versioned_ + u"\\Clsid", u"", ClassText());
    WriteValue(ClassKey() + u"\\InprocServer32", u"", serverPath);
    // An apartment server, as the add-in's own calls expect.
    WriteValue(ClassKey() + u"\\InprocServer32", u"ThreadingModel", u"Apartment");
    WriteValue(ClassKey() + u"\\ProgID", u"", versioned_);
  } catch (...) {
    Remove();
    throw;
  }
}

ExcelInstallation::~ExcelInstallation() { Remove(); }

void ExcelInstallation::Remove() noexcept {
  try {
    registry::Registry classes(HKEY_CLASSES_ROOT);
    for (const auto& key : {u"\\" + std::u16string(kProgId), u"\\" + versioned_, ClassKey()}) classes.DeleteKey(key);
  } catch (...) {
    // A damaged store: nothing more to remove.
  }
}

}  // namespace corvane::sim
