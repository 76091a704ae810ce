// ProgID and CLSID lookups through HKEY_CLASSES_ROOT, with Windows' results.
#include <cstring>

#include "platform/com/Text.h"
#include "platform/com/native/ClassesRoot.h"

using corvane::com::from_ole;
using corvane::com::native::ClassKeyPath;
using corvane::com::native::ReadClassesRoot;

STDAPI CLSIDFromProgID(LPCOLESTR lpszProgID, LPCLSID lpclsid) {
  if (!lpszProgID || !lpclsid) return E_INVALIDARG;
  *lpclsid = GUID_NULL;
  const std::u16string progId(from_ole(lpszProgID));
  if (progId.empty()) return CO_E_CLASSSTRING;
  const auto value = ReadClassesRoot(progId + u"\\Clsid");
  if (value.status == REGDB_E_READREGDB) return value.status;
  // A missing ProgID and a Clsid value that is no class id read the same.
  if (FAILED(value.status) || FAILED(CLSIDFromString(value.text.c_str(), lpclsid))) {
    *lpclsid = GUID_NULL;
    return CO_E_CLASSSTRING;
  }
  return S_OK;
}

STDAPI ProgIDFromCLSID(REFCLSID clsid, LPOLESTR* lplpszProgID) {
  if (!lplpszProgID) return E_INVALIDARG;
  *lplpszProgID = nullptr;
  const auto value = ReadClassesRoot(ClassKeyPath(clsid, u"ProgID"));
  if (value.status == REGDB_E_READREGDB) return value.status;
  if (FAILED(value.status) || value.text.empty()) return REGDB_E_CLASSNOTREG;
  const size_t bytes = (value.text.size() + 1) * sizeof(OLECHAR);
  auto* text = static_cast<OLECHAR*>(CoTaskMemAlloc(bytes));
  if (!text) return E_OUTOFMEMORY;
  std::memcpy(text, value.text.c_str(), bytes);
  *lplpszProgID = text;
  return S_OK;
}
