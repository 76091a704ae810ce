// One COM add-in as Office lists it: read from its registry key, and while
// connected the add-in's connection object and what the add-in handed back
// as COMAddIn.Object (both the add-in's objects, held as Office holds them).
#pragma once

#include <cstdint>
#include <string>

#include "platform/com/ComPtr.h"
#include "platform/com/com.h"
#include "published/Extensibility.h"

namespace corvane::sim::office {

struct AddInEntry {
  std::u16string progId;
  std::u16string friendlyName;
  std::u16string description;
  // The root the add-in key was found under.
  HKEY root = HKEY_CURRENT_USER;
  int32_t loadBehavior = 0;

  bool connected = false;
  com::ComPtr<IDTExtensibility2> instance;
  com::ComPtr<IDispatch> object;
  // Why the last connection failed; empty after a success.
  std::u16string failure;
};

}  // namespace corvane::sim::office
