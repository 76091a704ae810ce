#include "platform/com/native/ClassesRoot.h"

#include "platform/registry/Registry.h"

namespace corvane::com::native {

ClassesRootValue ReadClassesRoot(std::u16string_view keyPath, std::u16string_view valueName) {
  try {
    registry::Registry classes(HKEY_CLASSES_ROOT);
    if (!classes.OpenKeyReadOnly(u"\\" + std::u16string(keyPath)) || !classes.ValueExists(valueName)) {
      return {REGDB_E_KEYMISSING, {}};
    }
    return {S_OK, classes.ReadString(valueName)};
  } catch (const std::exception&) {
    // A damaged store or a value that is no string.
    return {REGDB_E_READREGDB, {}};
  }
}

std::u16string GuidText(REFGUID guid) {
  OLECHAR text[39] = {};
  const int length = StringFromGUID2(guid, text, 39);
  return length > 0 ? std::u16string(text, static_cast<size_t>(length - 1)) : std::u16string();
}

std::u16string ClassKeyPath(REFCLSID clsid, std::u16string_view subkey) {
  std::u16string path = u"CLSID\\" + GuidText(clsid);
  if (!subkey.empty()) path.append(u"\\").append(subkey);
  return path;
}

}  // namespace corvane::com::native
