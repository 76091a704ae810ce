// The design text as a tree, between the text and the objects: the parser
// builds it, the reader applies it, the writer fills it and the formatter
// prints it. Values keep their written form; the property tables give them
// their type.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::framework {

struct DesignProperty;

// One entry of a collection value ("item" ... "end").
struct DesignItem {
  int line = 0;
  std::vector<DesignProperty> properties;
};

struct DesignValue {
  enum class Kind { String, Integer, Name, Set, Bytes, Collection, Strings };

  Kind kind = Kind::Name;
  std::u16string string;                // String
  std::string text;                     // Integer (as written) and Name
  std::vector<std::string> names;       // Set
  std::vector<uint8_t> bytes;           // Bytes
  std::vector<DesignItem> items;        // Collection
  std::vector<std::u16string> strings;  // Strings

  static DesignValue OfString(std::u16string value);
  static DesignValue OfInteger(int64_t value);
  static DesignValue OfName(std::string name);
  // Out of line: clang defines an inline body's destructor call here, where
  // DesignProperty is not complete yet.
  static DesignValue OfBoolean(bool value);
  static DesignValue OfSet(std::vector<std::string> names);
  static DesignValue OfBytes(std::vector<uint8_t> bytes);
  static DesignValue OfItems(std::vector<DesignItem> items);
  static DesignValue OfStrings(std::vector<std::u16string> strings);
};

struct DesignProperty {
  std::string name;
  int line = 0;
  DesignValue value;
};

struct DesignObject {
  std::string name;
  std::string className;
  int line = 0;
  std::vector<DesignProperty> properties;
  std::vector<DesignObject> children;
};

}  // namespace corvane::framework
