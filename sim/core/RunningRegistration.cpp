#include "sim/core/RunningRegistration.h"

#include <utility>

#include "platform/com/ComError.h"

namespace corvane::sim {

RunningRegistration::RunningRegistration(IUnknown* object, const CLSID& clsid) {
  com::ThrowIfFailed(RegisterActiveObject(object, clsid, ACTIVEOBJECT_STRONG, &cookie_));
}

RunningRegistration::RunningRegistration(RunningRegistration&& other) noexcept
    : cookie_(std::exchange(other.cookie_, 0)) {}

RunningRegistration& RunningRegistration::operator=(RunningRegistration&& other) noexcept {
  if (this != &other) {
    Revoke();
    cookie_ = std::exchange(other.cookie_, 0);
  }
  return *this;
}

void RunningRegistration::Revoke() noexcept {
  if (cookie_ == 0) return;
  RevokeActiveObject(std::exchange(cookie_, 0), nullptr);
}

}  // namespace corvane::sim
