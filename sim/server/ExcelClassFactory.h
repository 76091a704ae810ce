// The class factory of "Excel.Application": every CreateInstance starts a
// new simulated Excel through the registered application factory, as each
// CoCreateInstance of the real class starts a new Excel.
#pragma once

#include "platform/com/ComObject.h"

namespace corvane::sim::server {

class ExcelClassFactory final : public com::ComObject<IClassFactory> {
 public:
  ExcelClassFactory();
  ~ExcelClassFactory() override;

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
  STDMETHODIMP LockServer(BOOL lock) override;
};

}  // namespace corvane::sim::server
