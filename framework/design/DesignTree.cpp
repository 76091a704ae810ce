#include "framework/design/DesignTree.h"

namespace corvane::framework {

DesignValue DesignValue::OfString(std::u16string value) {
  DesignValue v;
  v.kind = Kind::String;
  v.string = std::move(value);
  return v;
}

DesignValue DesignValue::OfInteger(int64_t value) {
  DesignValue v;
  v.kind = Kind::Integer;
  v.text = std::to_string(value);
  return v;
}

DesignValue DesignValue::OfName(std::string name) {
  DesignValue v;
  v.kind = Kind::Name;
  v.text = std::move(name);
  return v;
}

DesignValue DesignValue::OfBoolean(bool value) { return OfName(value ? "true" : "false"); }

DesignValue DesignValue::OfSet(std::vector<std::string> names) {
  DesignValue v;
  v.kind = Kind::Set;
  v.names = std::move(names);
  return v;
}

DesignValue DesignValue::OfBytes(std::vector<uint8_t> bytes) {
  DesignValue v;
  v.kind = Kind::Bytes;
  v.bytes = std::move(bytes);
  return v;
}

DesignValue DesignValue::OfItems(std::vector<DesignItem> items) {
  DesignValue v;
  v.kind = Kind::Collection;
  v.items = std::move(items);
  return v;
}

DesignValue DesignValue::OfStrings(std::vector<std::u16string> strings) {
  DesignValue v;
  v.kind = Kind::Strings;
  v.strings = std::move(strings);
  return v;
}

}  // namespace corvane::framework
