// The description record of one event component class: which host coclass
// it serves, the interface ConnectTo asks the host object for, the event
// interface it is advised on, and how many components of the class live.
// One instance per concrete class, in static data.
#pragma once

#include <cstdint>

#include "platform/com/com.h"

namespace corvane::framework {

struct TkvxServerData {
  static constexpr int32_t kVersion = 500;

  CLSID ClassID;
  IID IntfIID;
  IID EventIID;
  void* LicenseKey = nullptr;  // reserved, always null
  int32_t Version = kVersion;
  int32_t InstanceCount = 0;
};

}  // namespace corvane::framework
