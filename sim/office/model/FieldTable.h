// A catalogue entry naming one plain property of a model struct, so that
// persistence (and anything else that walks all properties) is one loop
// over a table instead of a block per property.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace corvane::sim::office {

template <class S>
struct Field {
  const char* name;
  std::variant<bool S::*, int32_t S::*, std::u16string S::*> member;
};

template <class S>
using FieldTable = std::span<const Field<S>>;

}  // namespace corvane::sim::office
