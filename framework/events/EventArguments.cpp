#include "framework/events/EventArguments.h"

#include <algorithm>

#include "platform/com/ComError.h"

namespace corvane::framework {
namespace {

// Where rgvarg entry i belongs in natural order.
std::optional<size_t> PlaceOf(const DISPPARAMS& params, UINT i) {
  const UINT named = params.rgdispidNamedArgs ? std::min(params.cNamedArgs, params.cArgs) : 0;
  if (i >= named) return params.cArgs - 1 - i;
  const DISPID index = params.rgdispidNamedArgs[i];
  if (index < 0 || static_cast<UINT>(index) >= params.cArgs) return std::nullopt;
  return static_cast<size_t>(index);
}

// VariantCopy keeps a by-reference value pointing at the caller's storage.
com::Variant Copy(const VARIANT& source) {
  com::Variant copy;
  com::ThrowIfFailed(VariantCopy(copy.get(), &source));
  return copy;
}

}  // namespace

EventArguments::EventArguments(const DISPPARAMS* params) {
  if (!params || !params->rgvarg || params->cArgs == 0) return;
  values_.resize(params->cArgs);
  places_.resize(params->cArgs);
  for (UINT i = 0; i < params->cArgs; ++i) {
    places_[i] = PlaceOf(*params, i);
    if (places_[i]) values_[*places_[i]] = Copy(params->rgvarg[i]);
  }
}

void EventArguments::WriteBack(DISPPARAMS& params) const noexcept {
  if (!params.rgvarg) return;
  for (UINT i = 0; i < params.cArgs && i < places_.size(); ++i) {
    VARIANT& target = params.rgvarg[i];
    if (!(target.vt & VT_BYREF) || !places_[i]) continue;
    const com::Variant& value = values_[*places_[i]];
    try {
      if (value.type() & VT_BYREF) {
        target = *value.get();
      } else {
        com::AssignThroughRef(target, value);
      }
    } catch (...) {
      // A value that does not fit the caller's variable leaves it as it was.
    }
  }
}

}  // namespace corvane::framework
