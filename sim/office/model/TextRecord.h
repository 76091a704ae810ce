// One line of the saved state: a keyword, then name=value pairs, where a
// value is a whole number or a quoted text ("\\", "\"", "\n", "\r" and
// "\t" escaped; UTF-8 otherwise).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/office/model/FieldTable.h"

namespace corvane::sim::office {

struct TextRecord {
  struct Pair {
    std::string name;
    std::string value;  // unescaped
    bool quoted;
  };
  std::string keyword;
  std::vector<Pair> pairs;

  void Add(const std::string& name, int32_t value);
  void Add(const std::string& name, bool value);
  void Add(const std::string& name, const std::u16string& value);
  std::string Format() const;
  // SimDataError (with the text's place) for a malformed line.
  static TextRecord Parse(const std::string& line);

  // Readers; SimDataError for a missing pair or one of the wrong kind.
  int32_t Integer(const std::string& name) const;
  bool Boolean(const std::string& name) const;
  std::u16string Text(const std::string& name) const;
  const Pair* FindPair(const std::string& name) const;

  // All fields of a table, written or read (a field not in the record keeps
  // its value; a pair no field names is an error).
  template <class S>
  void AddFields(const S& object, FieldTable<S> fields);
  template <class S>
  void ReadFields(S& object, FieldTable<S> fields, std::vector<std::string> others) const;
  // SimDataError for a pair whose name is not one of these.
  void CheckNames(const std::vector<std::string>& names) const;
};

}  // namespace corvane::sim::office

#include "sim/office/model/TextRecordFields.h"
