// How each kind of designed property travels to and from the host: the
// host's value for it, the designed value read back from the host (the
// stored one when the host's number is not in the property's table), and
// whether a host value already equals a designed one, compared as the host
// keeps it.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "framework/commandbars/CommandBarTypes.h"
#include "platform/com/Variant.h"

namespace corvane::framework {

template <class T>
struct HostValue;

template <>
struct HostValue<bool> {
  static com::Variant ToHost(bool value) { return com::Variant(value); }
  static bool FromHost(const com::Variant& host, bool) { return host.ToBool(); }
  static bool Same(const com::Variant& host, bool value) { return host.ToBool() == value; }
};

template <>
struct HostValue<int32_t> {
  static com::Variant ToHost(int32_t value) { return com::Variant(value); }
  static int32_t FromHost(const com::Variant& host, int32_t) { return host.ToInt32(); }
  static bool Same(const com::Variant& host, int32_t value) { return host.ToInt32() == value; }
};

template <>
struct HostValue<std::u16string> {
  static com::Variant ToHost(const std::u16string& value) { return com::Variant(value); }
  static std::u16string FromHost(const com::Variant& host, const std::u16string&) { return host.ToText(); }
  static bool Same(const com::Variant& host, const std::u16string& value) { return host.ToText() == value; }
};

// Enumerations whose numbers are the host's own; a host number outside the
// enumeration's names leaves the stored value.
template <class E>
requires std::is_enum_v<E>
struct HostValue<E> {
  static com::Variant ToHost(E value) { return com::Variant(static_cast<int32_t>(value)); }
  static E FromHost(const com::Variant& host, E stored) {
    const int32_t number = host.ToInt32();
    return IsHostNumberOf<E>(number) ? static_cast<E>(number) : stored;
  }
  static bool Same(const com::Variant& host, E value) { return host.ToInt32() == static_cast<int32_t>(value); }
};

// Protection is an ordinal with a flag per value.
template <>
struct HostValue<TkvxMsoBarProtection> {
  static com::Variant ToHost(TkvxMsoBarProtection value) { return com::Variant(ProtectionToHost(value)); }
  static TkvxMsoBarProtection FromHost(const com::Variant& host, TkvxMsoBarProtection) {
    return ProtectionFromHost(host.ToInt32());
  }
  static bool Same(const com::Variant& host, TkvxMsoBarProtection value) {
    return host.ToInt32() == ProtectionToHost(value);
  }
};

}  // namespace corvane::framework
