// A bare COM object whose reference count tests can read, to see that
// copies AddRef and clears Release.
#pragma once

#include "platform/com/ComObject.h"

namespace corvane::com::testing {

// The current count of any object, through its public IUnknown.
inline ULONG RefsOf(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

class CountedObject : public ComObject<IUnknown> {
 public:
  ULONG count() { return RefsOf(this); }
};

}  // namespace corvane::com::testing
