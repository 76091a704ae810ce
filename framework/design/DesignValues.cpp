#include "framework/design/DesignValues.h"

#include <charconv>
#include <limits>

#include "framework/design/DesignError.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

const char* KindName(DesignValue::Kind kind) {
  switch (kind) {
    case DesignValue::Kind::String:
      return "a string";
    case DesignValue::Kind::Integer:
      return "an integer";
    case DesignValue::Kind::Name:
      return "a name";
    case DesignValue::Kind::Set:
      return "a set";
    case DesignValue::Kind::Bytes:
      return "a byte block";
    case DesignValue::Kind::Collection:
      return "a collection";
    case DesignValue::Kind::Strings:
      return "a list of strings";
  }
  return "a value";
}

std::string Written(const DesignValue& value) {
  switch (value.kind) {
    case DesignValue::Kind::String:
      return "\"" + com::Utf16ToUtf8(value.string) + "\"";
    case DesignValue::Kind::Integer:
    case DesignValue::Kind::Name:
      return value.text;
    default:
      return KindName(value.kind);
  }
}

[[noreturn]] void WrongKind(const char* expected, const DesignValue& value) {
  throw DesignFault(std::string("expected ") + expected + ", got " + Written(value));
}

void Require(const DesignValue& value, DesignValue::Kind kind, const char* expected) {
  if (value.kind != kind) WrongKind(expected, value);
}

}  // namespace

bool DesignToBoolean(const DesignValue& value) {
  if (value.kind == DesignValue::Kind::Name && value.text == "true") return true;
  if (value.kind == DesignValue::Kind::Name && value.text == "false") return false;
  WrongKind("a boolean", value);
}

int32_t DesignToInt32(const DesignValue& value) {
  Require(value, DesignValue::Kind::Integer, "an integer");
  std::string_view text = value.text;
  const bool hex = text.starts_with("0x") || text.starts_with("0X");
  if (hex) text.remove_prefix(2);
  int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, hex ? 16 : 10);
  // Hex gives the bits of a 32-bit value (colours), decimal a signed number.
  const int64_t low = hex ? 0 : std::numeric_limits<int32_t>::min();
  const int64_t high = hex ? std::numeric_limits<uint32_t>::max() : std::numeric_limits<int32_t>::max();
  if (error != std::errc() || end != text.data() + text.size() || number < low || number > high) {
    throw DesignFault(value.text + " is out of range");
  }
  return static_cast<int32_t>(static_cast<uint32_t>(number));
}

std::u16string DesignToString(const DesignValue& value) {
  Require(value, DesignValue::Kind::String, "a string");
  return value.string;
}

int DesignToEnum(const DesignValue& value, EnumNames names) {
  Require(value, DesignValue::Kind::Name, "a value name");
  if (auto number = ValueOfName(names, value.text)) return *number;
  throw DesignFault("unknown value \"" + value.text + "\"");
}

uint32_t DesignToSet(const DesignValue& value, EnumNames names) {
  Require(value, DesignValue::Kind::Set, "a set");
  uint32_t bits = 0;
  for (const auto& name : value.names) {
    const auto number = ValueOfName(names, name);
    if (!number) throw DesignFault("unknown value \"" + name + "\"");
    bits |= 1u << *number;
  }
  return bits;
}

const std::vector<uint8_t>& DesignToBytes(const DesignValue& value) {
  Require(value, DesignValue::Kind::Bytes, "a byte block");
  return value.bytes;
}

const std::vector<std::u16string>& DesignToStrings(const DesignValue& value) {
  Require(value, DesignValue::Kind::Strings, "a list of strings");
  return value.strings;
}

DesignValue DesignFromEnum(int value, EnumNames names) {
  if (auto name = NameOfValue(names, value)) return DesignValue::OfName(std::string(*name));
  throw DesignFault("the value " + std::to_string(value) + " has no name");
}

DesignValue DesignFromSet(uint32_t bits, EnumNames names) {
  std::vector<std::string> elements;
  for (const auto& entry : names) {
    if (bits & (1u << entry.value)) elements.emplace_back(entry.name);
  }
  return DesignValue::OfSet(std::move(elements));
}

}  // namespace corvane::framework
