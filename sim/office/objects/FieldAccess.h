// Plain model properties as COM properties: one template pair per wrapper
// instead of a get and a put handler per property.
//
//   class CommandBarObject : ..., public FieldAccess<CommandBarObject> {
//     BarProperties& Props();   // the live model's properties
//   };
//   FieldProperty<CommandBarObject, &BarProperties::left>(Office::CommandBar::Left, u"Left")
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "sim/core/Args.h"
#include "sim/core/ObjectType.h"

namespace corvane::sim::office {

template <class V>
V ValueOf(const Arg& arg) {
  if constexpr (std::is_same_v<V, bool>) {
    return arg.Bool();
  } else if constexpr (std::is_same_v<V, int32_t>) {
    return arg.Int();
  } else {
    static_assert(std::is_same_v<V, std::u16string>);
    return arg.Text();
  }
}

template <class Owner>
class FieldAccess {
 public:
  template <auto F>
  com::Variant GetField(Args&) {
    return com::Variant(static_cast<Owner*>(this)->Props().*F);
  }
  template <auto F>
  void PutField(Args& args) {
    auto& props = static_cast<Owner*>(this)->Props();
    props.*F = ValueOf<std::remove_reference_t<decltype(props.*F)>>(args.value());
  }
};

template <class T, auto F>
Member<T> FieldProperty(DISPID id, std::u16string_view name) {
  return Property<T>(id, name, &T::template GetField<F>, &T::template PutField<F>);
}

template <class T, auto F>
Member<T> FieldGet(DISPID id, std::u16string_view name) {
  return Get<T>(id, name, &T::template GetField<F>);
}

}  // namespace corvane::sim::office
