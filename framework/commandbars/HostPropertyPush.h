// What a designed bar and a designed item share for their pushed
// properties: a setter stores the value, then offers it to the bound host
// object's member of that name. While unbound the offer goes nowhere; the
// binding to host objects overrides PushToHost.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/com/Variant.h"

namespace corvane::framework {

class HostPropertyPush {
 public:
  virtual ~HostPropertyPush() = default;

 protected:
  // Nothing is bound yet, so nothing is pushed.
  virtual void PushToHost(std::u16string_view /*hostMember*/, const com::Variant& /*value*/) {}

  template <class Field, class Value>
  void Store(Field& field, Value value, std::u16string_view hostMember) {
    field = Field(value);
    if constexpr (std::is_enum_v<Field>) {
      PushToHost(hostMember, com::Variant(static_cast<int32_t>(field)));
    } else {
      PushToHost(hostMember, com::Variant(field));
    }
  }
};

}  // namespace corvane::framework
