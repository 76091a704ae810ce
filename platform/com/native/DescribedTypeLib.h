// ITypeLib over a TypeLibDescription: what a Windows module's embedded type
// library gives for its library and type entries. Members (functions,
// variables) are not described and not served.
#pragma once

#include <memory>

#include "platform/com/ComObject.h"
#include "platform/com/TypeLibDescription.h"

namespace corvane::com::native {

class DescribedTypeLib final : public ComObject<ITypeLib> {
 public:
  // E_INVALIDARG when a type implements a type the library lacks.
  static HRESULT Create(const TypeLibDescription& description, ITypeLib** typeLib);

  const TypeLibDescription& description() const { return *description_; }
  // Position of the type with the GUID; -1 when absent.
  int IndexOf(REFGUID guid) const;

  STDMETHODIMP_(UINT) GetTypeInfoCount() override;
  STDMETHODIMP GetTypeInfo(UINT index, ITypeInfo** ppTInfo) override;
  STDMETHODIMP GetTypeInfoType(UINT index, TYPEKIND* pTKind) override;
  STDMETHODIMP GetTypeInfoOfGuid(REFGUID guid, ITypeInfo** ppTinfo) override;
  STDMETHODIMP GetLibAttr(TLIBATTR** ppTLibAttr) override;
  STDMETHODIMP GetTypeComp(ITypeComp** ppTComp) override;
  STDMETHODIMP GetDocumentation(INT index, BSTR* pBstrName, BSTR* pBstrDocString, DWORD* pdwHelpContext,
                                BSTR* pBstrHelpFile) override;
  STDMETHODIMP IsName(LPOLESTR szNameBuf, ULONG lHashVal, BOOL* pfName) override;
  STDMETHODIMP FindName(LPOLESTR szNameBuf, ULONG lHashVal, ITypeInfo** ppTInfo, MEMBERID* rgMemId,
                        USHORT* pcFound) override;
  STDMETHODIMP_(void) ReleaseTLibAttr(TLIBATTR* pTLibAttr) override;

 private:
  explicit DescribedTypeLib(const TypeLibDescription& description);

  bool Holds(UINT index) const { return index < description_->types.size(); }

  std::shared_ptr<const TypeLibDescription> description_;
};

}  // namespace corvane::com::native
