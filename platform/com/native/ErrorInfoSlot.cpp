// The per-thread error object of SetErrorInfo/GetErrorInfo. The slot owns
// its reference, so whatever a thread leaves behind is released when the
// thread ends.
#include <new>

#include "platform/com/native/ErrorInfo.h"

namespace {

corvane::com::ComPtr<IErrorInfo>& ThreadSlot() {
  static thread_local corvane::com::ComPtr<IErrorInfo> slot;
  return slot;
}

}  // namespace

STDAPI CreateErrorInfo(ICreateErrorInfo** pperrinfo) {
  if (!pperrinfo) return E_INVALIDARG;
  auto* object = new (std::nothrow) corvane::com::native::ErrorInfo();
  *pperrinfo = object;
  return object ? S_OK : E_OUTOFMEMORY;
}

STDAPI SetErrorInfo(ULONG, IErrorInfo* perrinfo) {
  ThreadSlot() = corvane::com::ComPtr<IErrorInfo>(perrinfo);
  return S_OK;
}

STDAPI GetErrorInfo(ULONG, IErrorInfo** pperrinfo) {
  if (!pperrinfo) return E_INVALIDARG;
  *pperrinfo = ThreadSlot().detach();
  return *pperrinfo ? S_OK : S_FALSE;
}
