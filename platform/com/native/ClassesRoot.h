// Reads of HKEY_CLASSES_ROOT for the activation calls, which must answer
// with an HRESULT whatever the store does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/com/com.h"

namespace corvane::com::native {

struct ClassesRootValue {
  HRESULT status;  // S_OK, REGDB_E_KEYMISSING for a missing key or value, REGDB_E_READREGDB
  std::u16string text;
};

// The string value (empty name: the default value) of a key below HKCR.
ClassesRootValue ReadClassesRoot(std::u16string_view keyPath, std::u16string_view valueName = {});

// "CLSID\{...}" and friends: the key of a class below HKCR.
std::u16string ClassKeyPath(REFCLSID clsid, std::u16string_view subkey = {});
// "{xxxxxxxx-xxxx-...}"
std::u16string GuidText(REFGUID guid);

}  // namespace corvane::com::native
