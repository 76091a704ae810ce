#include "platform/com/native/DescribedTypeInfo.h"

#include <utility>

#include "platform/com/native/DescribedDocumentation.h"

namespace corvane::com::native {
namespace {

// Sizes as a 32-bit Windows type library reports them for types without
// members: a dispinterface has IDispatch's seven slots.
WORD VtableSize(TypeKind kind) {
  return kind == TypeKind::CoClass ? 0 : static_cast<WORD>((kind == TypeKind::Dispatch ? 7 : 3) * sizeof(void*));
}

}  // namespace

DescribedTypeInfo::DescribedTypeInfo(ComPtr<DescribedTypeLib> lib, UINT index) : lib_(std::move(lib)), index_(index) {}

const ImplementedType* DescribedTypeInfo::Implemented(UINT index) const {
  const auto& implemented = type().implemented;
  return index < implemented.size() ? &implemented[index] : nullptr;
}

STDMETHODIMP DescribedTypeInfo::GetTypeAttr(TYPEATTR** ppTypeAttr) {
  if (!ppTypeAttr) return E_INVALIDARG;
  const auto& t = type();
  auto* attr = new TYPEATTR{};
  attr->guid = t.guid;
  attr->lcid = lib_->description().lcid;
  attr->memidConstructor = MEMBERID_NIL;
  attr->memidDestructor = MEMBERID_NIL;
  attr->cbSizeInstance = sizeof(void*);
  attr->typekind = TypeKindOf(t.kind);
  attr->cImplTypes = static_cast<WORD>(t.implemented.size());
  attr->cbSizeVft = VtableSize(t.kind);
  attr->cbAlignment = sizeof(void*);
  attr->wTypeFlags = t.typeFlags;
  attr->wMajorVerNum = t.majorVersion;
  attr->wMinorVerNum = t.minorVersion;
  attr->tdescAlias.vt = VT_EMPTY;
  *ppTypeAttr = attr;
  return S_OK;
}

STDMETHODIMP_(void) DescribedTypeInfo::ReleaseTypeAttr(TYPEATTR* pTypeAttr) { delete pTypeAttr; }

STDMETHODIMP DescribedTypeInfo::GetDocumentation(MEMBERID memid, BSTR* pBstrName, BSTR* pBstrDocString,
                                                 DWORD* pdwHelpContext, BSTR* pBstrHelpFile) {
  // Members are not described: only the type itself has documentation.
  if (memid != MEMBERID_NIL) return TYPE_E_ELEMENTNOTFOUND;
  return FillDocumentation({type().name, type().helpString}, pBstrName, pBstrDocString, pdwHelpContext, pBstrHelpFile);
}

STDMETHODIMP DescribedTypeInfo::GetRefTypeOfImplType(UINT index, HREFTYPE* pRefType) {
  if (!pRefType) return E_INVALIDARG;
  const ImplementedType* implemented = Implemented(index);
  if (!implemented) return TYPE_E_ELEMENTNOTFOUND;
  // The reference is the implemented type's position in the library.
  *pRefType = static_cast<HREFTYPE>(lib_->IndexOf(implemented->iid));
  return S_OK;
}

STDMETHODIMP DescribedTypeInfo::GetImplTypeFlags(UINT index, INT* pImplTypeFlags) {
  if (!pImplTypeFlags) return E_INVALIDARG;
  *pImplTypeFlags = 0;
  const ImplementedType* implemented = Implemented(index);
  if (!implemented) return TYPE_E_ELEMENTNOTFOUND;
  *pImplTypeFlags = implemented->implTypeFlags;
  return S_OK;
}

STDMETHODIMP DescribedTypeInfo::GetRefTypeInfo(HREFTYPE hRefType, ITypeInfo** ppTInfo) {
  if (!ppTInfo) return E_INVALIDARG;
  return lib_->GetTypeInfo(hRefType, ppTInfo);
}

STDMETHODIMP DescribedTypeInfo::GetContainingTypeLib(ITypeLib** ppTLib, UINT* pIndex) {
  if (ppTLib) *ppTLib = ComPtr<ITypeLib>(lib_.get()).detach();
  if (pIndex) *pIndex = index_;
  return S_OK;
}

STDMETHODIMP DescribedTypeInfo::GetTypeComp(ITypeComp** ppTComp) {
  if (ppTComp) *ppTComp = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeInfo::GetFuncDesc(UINT, FUNCDESC** ppFuncDesc) {
  if (ppFuncDesc) *ppFuncDesc = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeInfo::GetVarDesc(UINT, VARDESC** ppVarDesc) {
  if (ppVarDesc) *ppVarDesc = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeInfo::GetNames(MEMBERID, BSTR*, UINT, UINT* pcNames) {
  if (pcNames) *pcNames = 0;
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeInfo::GetIDsOfNames(LPOLESTR*, UINT, MEMBERID*) { return E_NOTIMPL; }

STDMETHODIMP DescribedTypeInfo::Invoke(PVOID, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeInfo::GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) { return E_NOTIMPL; }

STDMETHODIMP DescribedTypeInfo::AddressOfMember(MEMBERID, INVOKEKIND, PVOID* ppv) {
  if (ppv) *ppv = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeInfo::CreateInstance(IUnknown*, REFIID, PVOID* ppvObj) {
  if (ppvObj) *ppvObj = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP DescribedTypeInfo::GetMops(MEMBERID, BSTR* pBstrMops) {
  if (pBstrMops) *pBstrMops = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP_(void) DescribedTypeInfo::ReleaseFuncDesc(FUNCDESC*) {}

STDMETHODIMP_(void) DescribedTypeInfo::ReleaseVarDesc(VARDESC*) {}

}  // namespace corvane::com::native
