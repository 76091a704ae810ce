// ITypeInfo for one entry of a DescribedTypeLib: its attributes, its
// documentation and, for a coclass, the types it implements. It keeps its
// library alive, as a type info of a loaded library does.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/native/DescribedTypeLib.h"

namespace corvane::com::native {

class DescribedTypeInfo final : public ComObject<ITypeInfo> {
 public:
  DescribedTypeInfo(ComPtr<DescribedTypeLib> lib, UINT index);

  STDMETHODIMP GetTypeAttr(TYPEATTR** ppTypeAttr) override;
  STDMETHODIMP GetTypeComp(ITypeComp** ppTComp) override;
  STDMETHODIMP GetFuncDesc(UINT index, FUNCDESC** ppFuncDesc) override;
  STDMETHODIMP GetVarDesc(UINT index, VARDESC** ppVarDesc) override;
  STDMETHODIMP GetNames(MEMBERID memid, BSTR* rgBstrNames, UINT cMaxNames, UINT* pcNames) override;
  STDMETHODIMP GetRefTypeOfImplType(UINT index, HREFTYPE* pRefType) override;
  STDMETHODIMP GetImplTypeFlags(UINT index, INT* pImplTypeFlags) override;
  STDMETHODIMP GetIDsOfNames(LPOLESTR* rgszNames, UINT cNames, MEMBERID* pMemId) override;
  STDMETHODIMP Invoke(PVOID pvInstance, MEMBERID memid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
                      EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
  STDMETHODIMP GetDocumentation(MEMBERID memid, BSTR* pBstrName, BSTR* pBstrDocString, DWORD* pdwHelpContext,
                                BSTR* pBstrHelpFile) override;
  STDMETHODIMP GetDllEntry(MEMBERID memid, INVOKEKIND invKind, BSTR* pBstrDllName, BSTR* pBstrName,
                           WORD* pwOrdinal) override;
  STDMETHODIMP GetRefTypeInfo(HREFTYPE hRefType, ITypeInfo** ppTInfo) override;
  STDMETHODIMP AddressOfMember(MEMBERID memid, INVOKEKIND invKind, PVOID* ppv) override;
  STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, PVOID* ppvObj) override;
  STDMETHODIMP GetMops(MEMBERID memid, BSTR* pBstrMops) override;
  STDMETHODIMP GetContainingTypeLib(ITypeLib** ppTLib, UINT* pIndex) override;
  STDMETHODIMP_(void) ReleaseTypeAttr(TYPEATTR* pTypeAttr) override;
  STDMETHODIMP_(void) ReleaseFuncDesc(FUNCDESC* pFuncDesc) override;
  STDMETHODIMP_(void) ReleaseVarDesc(VARDESC* pVarDesc) override;

 private:
  const TypeDescription& type() const { return lib_->description().types[index_]; }
  // The implemented type at the position; null when there is none.
  const ImplementedType* Implemented(UINT index) const;

  ComPtr<DescribedTypeLib> lib_;
  UINT index_;
};

}  // namespace corvane::com::native
