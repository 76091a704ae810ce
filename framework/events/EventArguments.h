// The arguments of one incoming event call in their natural order (the
// event's first declared parameter at index 0), copied from DISPPARAMS,
// which lists them last-first with any named ones in front. By-reference
// arguments stay references to the caller's storage; WriteBack returns
// what a handler left in them.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/com/Variant.h"
#include "platform/com/com.h"

namespace corvane::framework {

class EventArguments {
 public:
  // Null params: no arguments. A named argument whose index lies outside
  // the list is dropped; positional ones keep their natural places.
  explicit EventArguments(const DISPPARAMS* params);

  std::vector<com::Variant>& Values() { return values_; }
  size_t Count() const { return values_.size(); }

  // For every by-reference argument of params: the value at its place goes
  // back to the caller. A reference (the usual case) is copied back as it
  // is; a plain value a handler stored instead is written through the
  // caller's reference. Never throws.
  void WriteBack(DISPPARAMS& params) const noexcept;

 private:
  std::vector<com::Variant> values_;
  // For each rgvarg entry, the place it went to (none when dropped).
  std::vector<std::optional<size_t>> places_;
};

}  // namespace corvane::framework
