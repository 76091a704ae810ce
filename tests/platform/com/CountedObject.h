// A bare COM object whose reference count tests can read, to see that
// copies AddRef and clears Release.
#pragma once

#include "platform/com/ComObject.h"

namespace corvane::com::testing {

class CountedObject : public ComObject<IUnknown> {
 public:
  ULONG count() {
    AddRef();
    return Release();
  }
};

}  // namespace corvane::com::testing
