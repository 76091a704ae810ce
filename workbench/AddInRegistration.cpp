#include "workbench/AddInRegistration.h"

#include "platform/com/ComError.h"
#include "platform/com/ServerRegistration.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"

namespace corvane::workbench {
namespace {

constexpr char16_t kAddInsKey[] = u"\\Software\\Microsoft\\Office\\Excel\\AddIns\\";

std::u16string DefaultValue(HKEY root, const std::u16string& key) {
  registry::Registry r(root);
  if (!r.OpenKeyReadOnly(key) || !r.ValueExists(u"")) return {};
  return r.ReadString(u"");
}

}  // namespace

std::u16string RegisteredLibrary() {
  const std::u16string classId = DefaultValue(HKEY_CLASSES_ROOT, std::u16string(u"\\") + kAddInProgId + u"\\Clsid");
  if (classId.empty()) return {};
  return DefaultValue(HKEY_CLASSES_ROOT, u"\\CLSID\\" + classId + u"\\InprocServer32");
}

bool IsRegistered(const std::u16string& library) {
  return RegisteredLibrary() == library &&
         registry::Registry(HKEY_CURRENT_USER).KeyExists(std::u16string(kAddInsKey) + kAddInProgId);
}

bool EnsureRegistered(const std::u16string& library) {
  if (IsRegistered(library)) return false;
  const HRESULT result = com::CallRegistrationExport(library, true);
  if (FAILED(result)) {
    throw com::ComError(result, u"Corvane could not be registered from " + library);
  }
  return true;
}

}  // namespace corvane::workbench
