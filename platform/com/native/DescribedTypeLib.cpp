#include "platform/com/native/DescribedTypeLib.h"

#include "platform/com/native/DescribedDocumentation.h"
#include "platform/com/native/DescribedTypeInfo.h"

namespace corvane::com::native {
namespace {

bool RefersOnlyToOwnTypes(const TypeLibDescription& description, const DescribedTypeLib& lib) {
  for (const auto& type : description.types) {
    for (const auto& implemented : type.implemented) {
      if (lib.IndexOf(implemented.iid) < 0) return false;
    }
  }
  return true;
}

}  // namespace

DescribedTypeLib::DescribedTypeLib(const TypeLibDescription& description)
    : description_(std::make_shared<const TypeLibDescription>(description)) {}

HRESULT DescribedTypeLib::Create(const TypeLibDescription& description, ITypeLib** typeLib) {
  if (!typeLib) return E_POINTER;
  *typeLib = nullptr;
  ComPtr<DescribedTypeLib> lib = ComPtr<DescribedTypeLib>::adopt(new DescribedTypeLib(description));
  if (!RefersOnlyToOwnTypes(description, *lib.get())) return E_INVALIDARG;
  *typeLib = lib.detach();
  return S_OK;
}

int DescribedTypeLib::IndexOf(REFGUID guid) const {
  const auto& types = description_->types;
  for (size_t i = 0; i < types.size(); ++i) {
    if (IsEqualGUID(types[i].guid, guid)) return static_cast<int>(i);
  }
  return -1;
}

STDMETHODIMP_(UINT) DescribedTypeLib::GetTypeInfoCount() { return static_cast<UINT>(description_->types.size()); }

STDMETHODIMP DescribedTypeLib::GetTypeInfo(UINT index, ITypeInfo** ppTInfo) {
  if (!ppTInfo) return E_INVALIDARG;
  *ppTInfo = nullptr;
  if (!Holds(index)) return TYPE_E_ELEMENTNOTFOUND;
  *ppTInfo = Make<DescribedTypeInfo>(ComPtr<DescribedTypeLib>(this), index).detach();
  return S_OK;
}

STDMETHODIMP DescribedTypeLib::GetTypeInfoType(UINT index, TYPEKIND* pTKind) {
  if (!pTKind) return E_INVALIDARG;
  if (!Holds(index)) return TYPE_E_ELEMENTNOTFOUND;
  *pTKind = TypeKindOf(description_->types[index].kind);
  return S_OK;
}

STDMETHODIMP DescribedTypeLib::GetTypeInfoOfGuid(REFGUID guid, ITypeInfo** ppTinfo) {
  if (!ppTinfo) return E_INVALIDARG;
  *ppTinfo = nullptr;
  const int index = IndexOf(guid);
  if (index < 0) return TYPE_E_ELEMENTNOTFOUND;
  return GetTypeInfo(static_cast<UINT>(index), ppTinfo);
}

STDMETHODIMP DescribedTypeLib::GetLibAttr(TLIBATTR** ppTLibAttr) {
  if (!ppTLibAttr) return E_INVALIDARG;
  const auto& d = *description_;
  *ppTLibAttr = new TLIBATTR{d.guid, d.lcid, d.syskind, d.majorVersion, d.minorVersion, d.libFlags};
  return S_OK;
}

STDMETHODIMP_(void) DescribedTypeLib::ReleaseTLibAttr(TLIBATTR* pTLibAttr) { delete pTLibAttr; }

STDMETHODIMP DescribedTypeLib::GetDocumentation(INT index, BSTR* pBstrName, BSTR* pBstrDocString, DWORD* pdwHelpContext,
                                                BSTR* pBstrHelpFile) {
  // -1 is the library itself.
  if (index == -1) {
    const Documentation library{description_->name, description_->helpString};
    return FillDocumentation(library, pBstrName, pBstrDocString, pdwHelpContext, pBstrHelpFile);
  }
  if (index < -1 || !Holds(static_cast<UINT>(index))) return TYPE_E_ELEMENTNOTFOUND;
  const auto& type = description_->types[static_cast<size_t>(index)];
  return FillDocumentation({type.name, type.helpString}, pBstrName, pBstrDocString, pdwHelpContext, pBstrHelpFile);
}

STDMETHODIMP DescribedTypeLib::GetTypeComp(ITypeComp** ppTComp) {
  if (ppTComp) *ppTComp = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeLib::IsName(LPOLESTR, ULONG, BOOL* pfName) {
  if (pfName) *pfName = FALSE;
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeLib::FindName(LPOLESTR, ULONG, ITypeInfo**, MEMBERID*, USHORT* pcFound) {
  if (pcFound) *pcFound = 0;
  return E_NOTIMPL;
}

}  // namespace corvane::com::native
