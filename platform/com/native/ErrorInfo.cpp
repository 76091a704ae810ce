#include "platform/com/native/ErrorInfo.h"

#include "platform/com/Text.h"

namespace corvane::com::native {

namespace {

HRESULT CopyOut(const std::u16string& text, BSTR* out) {
  if (!out) return E_INVALIDARG;
  *out = SysAllocStringLen(ole(text), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Store(LPOLESTR text, std::u16string& slot) {
  slot.assign(from_ole(text));
  return S_OK;
}

}  // namespace

STDMETHODIMP ErrorInfo::GetGUID(GUID* pGUID) {
  if (!pGUID) return E_INVALIDARG;
  *pGUID = guid_;
  return S_OK;
}

STDMETHODIMP ErrorInfo::GetSource(BSTR* pBstrSource) { return CopyOut(source_, pBstrSource); }
STDMETHODIMP ErrorInfo::GetDescription(BSTR* pBstrDescription) { return CopyOut(description_, pBstrDescription); }
STDMETHODIMP ErrorInfo::GetHelpFile(BSTR* pBstrHelpFile) { return CopyOut(helpFile_, pBstrHelpFile); }

STDMETHODIMP ErrorInfo::GetHelpContext(DWORD* pdwHelpContext) {
  if (!pdwHelpContext) return E_INVALIDARG;
  *pdwHelpContext = helpContext_;
  return S_OK;
}

STDMETHODIMP ErrorInfo::SetGUID(REFGUID rguid) {
  guid_ = rguid;
  return S_OK;
}

STDMETHODIMP ErrorInfo::SetSource(LPOLESTR szSource) { return Store(szSource, source_); }
STDMETHODIMP ErrorInfo::SetDescription(LPOLESTR szDescription) { return Store(szDescription, description_); }
STDMETHODIMP ErrorInfo::SetHelpFile(LPOLESTR szHelpFile) { return Store(szHelpFile, helpFile_); }

STDMETHODIMP ErrorInfo::SetHelpContext(DWORD dwHelpContext) {
  helpContext_ = dwHelpContext;
  return S_OK;
}

}  // namespace corvane::com::native
