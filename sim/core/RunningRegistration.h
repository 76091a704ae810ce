// A running application's entry in the running object table, so that
// GetActiveObject finds it; revoked by Revoke() (Quit) or on destruction.
// The table holds one reference to the registered object, as it does for
// the real host, until the entry is revoked.
#pragma once

#include "platform/com/com.h"

namespace corvane::sim {

class RunningRegistration {
 public:
  RunningRegistration() = default;
  // ComError when the table refuses the entry.
  RunningRegistration(IUnknown* object, const CLSID& clsid);
  ~RunningRegistration() { Revoke(); }
  RunningRegistration(RunningRegistration&& other) noexcept;
  RunningRegistration& operator=(RunningRegistration&& other) noexcept;
  RunningRegistration(const RunningRegistration&) = delete;
  RunningRegistration& operator=(const RunningRegistration&) = delete;

  bool active() const { return cookie_ != 0; }
  void Revoke() noexcept;

 private:
  DWORD cookie_ = 0;
};

}  // namespace corvane::sim
