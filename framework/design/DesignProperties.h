// Property tables: for each designed class, its stored properties in the
// order they are written, each with how it reads a value from the design
// and how it gives its value back (nothing when it holds its default).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/design/DesignHandlerNames.h"
#include "framework/design/DesignHandlers.h"
#include "framework/design/DesignTree.h"
#include "framework/design/DesignValues.h"
#include "framework/design/EnumName.h"
#include "framework/design/TObject.h"

namespace corvane::framework {

class TComponent;

// What reading and writing see besides the object: the module whose
// handlers the design names (and which owns the designed components), where
// it keeps the names the design assigned, and its handler table while
// reading.
struct DesignContext {
  TComponent& module;
  DesignHandlerNames& names;
  const DesignHandlers* handlers = nullptr;
};

struct PropertyInfo {
  std::string_view name;
  // Sets the property from a design value; DesignFault (or the setter's own
  // error) when the value does not fit.
  std::function<void(TObject&, const DesignValue&, DesignContext&)> read;
  // The value to write, or nothing when the property holds its default.
  std::function<std::optional<DesignValue>(const TObject&, const DesignContext&)> write;
  // Read and written by the class's own code (a bar's "ButtonTypes" and
  // "Buttons"); the entry only fixes their place in the order.
  bool special = false;
  // A design must give it: its default is no value the setter accepts.
  bool required = false;
};

using PropertyTable = std::vector<PropertyInfo>;

const PropertyInfo* FindProperty(const PropertyTable& table, std::string_view name);

namespace design_detail {

template <class T>
T& As(TObject& object) {
  return dynamic_cast<T&>(object);
}
template <class T>
const T& As(const TObject& object) {
  return dynamic_cast<const T&>(object);
}

// The common shape: V is the property's value type; isDefault empty means
// "always written".
template <class T, class V>
PropertyInfo Typed(std::string_view name, std::function<V(const T&)> get, std::function<void(T&, V)> set,
                   std::function<bool(const T&, const V&)> isDefault, std::function<V(const DesignValue&)> decode,
                   std::function<DesignValue(const V&)> encode) {
  PropertyInfo info;
  info.name = name;
  info.read = [set, decode](TObject& object, const DesignValue& value, DesignContext&) {
    set(As<T>(object), decode(value));
  };
  info.write = [get, isDefault, encode](const TObject& object, const DesignContext&) -> std::optional<DesignValue> {
    const T& typed = As<T>(object);
    const V value = get(typed);
    if (isDefault && isDefault(typed, value)) return std::nullopt;
    return encode(value);
  };
  return info;
}

template <class T, class V>
std::function<bool(const T&, const V&)> Equals(V fallback) {
  return [fallback](const T&, const V& value) { return value == fallback; };
}

}  // namespace design_detail

// A default that depends on the object (an item's Temporary on its bar's).
template <class T>
PropertyInfo BooleanPropertyDefaulting(std::string_view name, std::function<bool(const T&)> get,
                                       std::function<void(T&, bool)> set,
                                       std::function<bool(const T&, const bool&)> isDefault) {
  return design_detail::Typed<T, bool>(name, get, set, isDefault, DesignToBoolean, DesignValue::OfBoolean);
}
template <class T>
PropertyInfo BooleanProperty(std::string_view name, std::function<bool(const T&)> get,
                             std::function<void(T&, bool)> set, bool fallback) {
  return BooleanPropertyDefaulting<T>(name, get, set, design_detail::Equals<T, bool>(fallback));
}

template <class T>
PropertyInfo IntegerProperty(std::string_view name, std::function<int32_t(const T&)> get,
                             std::function<void(T&, int32_t)> set, std::optional<int32_t> fallback) {
  return design_detail::Typed<T, int32_t>(name, get, set,
                                          fallback ? design_detail::Equals<T, int32_t>(*fallback) : nullptr,
                                          DesignToInt32, [](const int32_t& v) { return DesignValue::OfInteger(v); });
}

// Strings default to empty unless always written.
template <class T>
PropertyInfo StringProperty(std::string_view name, std::function<std::u16string(const T&)> get,
                            std::function<void(T&, std::u16string)> set, bool alwaysWritten = false) {
  std::function<bool(const T&, const std::u16string&)> isDefault;
  if (!alwaysWritten) isDefault = [](const T&, const std::u16string& v) { return v.empty(); };
  return design_detail::Typed<T, std::u16string>(name, get, set, isDefault, DesignToString, DesignValue::OfString);
}

// A string every design must give (a bar's CommandBarName): always written,
// and a design without it is refused as the setter refuses an empty one.
template <class T>
PropertyInfo RequiredStringProperty(std::string_view name, std::function<std::u16string(const T&)> get,
                                    std::function<void(T&, std::u16string)> set) {
  PropertyInfo info = StringProperty<T>(name, get, set, true);
  info.required = true;
  return info;
}

template <class T>
PropertyInfo EnumProperty(std::string_view name, std::function<int(const T&)> get, std::function<void(T&, int)> set,
                          EnumNames names, int fallback) {
  return design_detail::Typed<T, int>(
      name, get, set, design_detail::Equals<T, int>(fallback),
      [names](const DesignValue& v) { return DesignToEnum(v, names); },
      [names](const int& v) { return DesignFromEnum(v, names); });
}

// Sets have no default: always written.
template <class T>
PropertyInfo SetProperty(std::string_view name, std::function<uint32_t(const T&)> get,
                         std::function<void(T&, uint32_t)> set, EnumNames names,
                         std::optional<uint32_t> fallback = std::nullopt) {
  return design_detail::Typed<T, uint32_t>(
      name, get, set, fallback ? design_detail::Equals<T, uint32_t>(*fallback) : nullptr,
      [names](const DesignValue& v) { return DesignToSet(v, names); },
      [names](const uint32_t& v) { return DesignFromSet(v, names); });
}

PropertyInfo SpecialProperty(std::string_view name);

// An event: the design names a handler of the module's table whose
// parameters are those of the event type E (a std::function).
template <class T, class E>
PropertyInfo HandlerProperty(std::string_view name, E T::*field);

}  // namespace corvane::framework

#include "framework/design/HandlerProperty.h"
