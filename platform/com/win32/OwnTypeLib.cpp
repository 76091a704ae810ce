// On Windows the module's own "TYPELIB" resource is the type library; the
// description only guards against a resource built from another library.
#include "platform/com/OwnTypeLib.h"

#include "platform/com/ComPtr.h"

namespace corvane::com {

HRESULT LoadOwnTypeLib(const std::u16string& modulePath, const TypeLibDescription& description, ITypeLib** typeLib) {
  if (!typeLib) return E_POINTER;
  *typeLib = nullptr;
  ComPtr<ITypeLib> loaded;
  HRESULT hr = LoadTypeLibEx(reinterpret_cast<LPCOLESTR>(modulePath.c_str()), REGKIND_NONE, loaded.put());
  if (FAILED(hr)) return hr;
  TLIBATTR* attr = nullptr;
  hr = loaded->GetLibAttr(&attr);
  if (FAILED(hr)) return hr;
  const bool same = IsEqualGUID(attr->guid, description.guid);
  loaded->ReleaseTLibAttr(attr);
  if (!same) return TYPE_E_LIBNOTREGISTERED;
  *typeLib = loaded.detach();
  return S_OK;
}

}  // namespace corvane::com
