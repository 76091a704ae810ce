#include "platform/com/native/DescribedDocumentation.h"

namespace corvane::com::native {
namespace {

bool Copy(const std::u16string& text, BSTR* out) {
  if (!out) return true;
  *out = SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
  return *out != nullptr;
}

}  // namespace

HRESULT FillDocumentation(const Documentation& source, BSTR* name, BSTR* docString, DWORD* helpContext,
                          BSTR* helpFile) {
  if (name) *name = nullptr;
  if (docString) *docString = nullptr;
  if (helpContext) *helpContext = 0;
  // Described libraries carry no help file.
  if (helpFile) *helpFile = nullptr;
  if (Copy(source.name, name) && Copy(source.helpString, docString)) return S_OK;
  if (name) SysFreeString(*name), *name = nullptr;
  return E_OUTOFMEMORY;
}

}  // namespace corvane::com::native
