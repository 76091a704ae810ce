// The error object behind CreateErrorInfo: written through ICreateErrorInfo,
// read through IErrorInfo.
#pragma once

#include <string>

#include "platform/com/ComObject.h"

namespace corvane::com::native {

class ErrorInfo final : public ComObject<IErrorInfo, ICreateErrorInfo> {
 public:
  // IErrorInfo
  STDMETHODIMP GetGUID(GUID* pGUID) override;
  STDMETHODIMP GetSource(BSTR* pBstrSource) override;
  STDMETHODIMP GetDescription(BSTR* pBstrDescription) override;
  STDMETHODIMP GetHelpFile(BSTR* pBstrHelpFile) override;
  STDMETHODIMP GetHelpContext(DWORD* pdwHelpContext) override;
  // ICreateErrorInfo
  STDMETHODIMP SetGUID(REFGUID rguid) override;
  STDMETHODIMP SetSource(LPOLESTR szSource) override;
  STDMETHODIMP SetDescription(LPOLESTR szDescription) override;
  STDMETHODIMP SetHelpFile(LPOLESTR szHelpFile) override;
  STDMETHODIMP SetHelpContext(DWORD dwHelpContext) override;

 private:
  GUID guid_ = GUID_NULL;
  std::u16string source_;
  std::u16string description_;
  std::u16string helpFile_;
  DWORD helpContext_ = 0;
};

}  // namespace corvane::com::native
