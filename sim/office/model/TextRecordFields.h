// Table-driven field access of TextRecord (templates, included by it).
#pragma once

#include <algorithm>
#include <type_traits>
#include <variant>

#include "sim/office/model/SimDataError.h"

namespace corvane::sim::office {

template <class S>
void TextRecord::AddFields(const S& object, FieldTable<S> fields) {
  for (const auto& field : fields) {
    std::visit([&](auto member) { Add(field.name, object.*member); }, field.member);
  }
}

template <class S>
void TextRecord::ReadFields(S& object, FieldTable<S> fields, std::vector<std::string> others) const {
  for (const auto& field : fields) {
    if (!FindPair(field.name)) continue;
    others.push_back(field.name);
    std::visit(
        [&](auto member) {
          using T = std::remove_reference_t<decltype(object.*member)>;
          if constexpr (std::is_same_v<T, bool>) {
            object.*member = Boolean(field.name);
          } else if constexpr (std::is_same_v<T, int32_t>) {
            object.*member = Integer(field.name);
          } else {
            object.*member = Text(field.name);
          }
        },
        field.member);
  }
  CheckNames(others);
}

}  // namespace corvane::sim::office
