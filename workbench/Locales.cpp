#include "workbench/Locales.h"

#include <utility>

#include "workbench/TextLine.h"

namespace corvane::workbench {
namespace {

const std::vector<std::pair<std::string, sim::excel::NumberNotation>>& Table() {
  static const std::vector<std::pair<std::string, sim::excel::NumberNotation>> table{
      {"en-US", {u'.', u','}}, {"en-GB", {u'.', u','}}, {"de-DE", {u',', u'.'}}, {"de-CH", {u'.', u'\''}},
      {"fr-FR", {u',', u' '}}, {"it-IT", {u',', u'.'}}, {"nl-NL", {u',', u'.'}}};
  return table;
}

}  // namespace

std::optional<sim::excel::NumberNotation> NotationOf(const std::string& locale) {
  for (const auto& [name, notation] : Table()) {
    if (EqualNoCase(name, locale)) return notation;
  }
  return std::nullopt;
}

std::vector<std::string> KnownLocales() {
  std::vector<std::string> names;
  for (const auto& entry : Table()) names.push_back(entry.first);
  return names;
}

}  // namespace corvane::workbench
