#include "workbench/TextLine.h"

#include <cctype>

namespace corvane::workbench {
namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

// Reads a quoted phrase starting after its opening quote; returns the
// position after the closing one.
size_t ReadQuoted(std::string_view line, size_t at, std::string& out) {
  while (at < line.size()) {
    if (line[at] != '"') {
      out += line[at++];
    } else if (at + 1 < line.size() && line[at + 1] == '"') {
      out += '"';
      at += 2;
    } else {
      return at + 1;
    }
  }
  throw LineError("a quote is not closed");
}

}  // namespace

std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && (Blank(line.back()) || line.back() == '\r')) line.remove_suffix(1);
  while (!line.empty() && Blank(line.front())) line.remove_prefix(1);
  return line;
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  size_t at = 0;
  while (true) {
    while (at < line.size() && Blank(line[at])) ++at;
    if (at >= line.size()) return words;
    if (line[at] == '\r') {
      // Only the line's end may follow a carriage return: text after one
      // would be lost, and a line of them alone would have no words.
      if (line.find_first_not_of("\r \t", at) == std::string_view::npos && !words.empty()) return words;
      throw LineError("a carriage return inside the line");
    }
    std::string word;
    if (line[at] == '"') {
      at = ReadQuoted(line, at + 1, word);
      if (at < line.size() && !Blank(line[at]) && line[at] != '\r') throw LineError("text follows a closing quote");
    } else {
      while (at < line.size() && !Blank(line[at]) && line[at] != '\r') word += line[at++];
    }
    words.push_back(std::move(word));
  }
}

std::vector<std::string> SplitCsv(std::string_view line) {
  line = Trimmed(line);
  std::vector<std::string> values;
  size_t at = 0;
  while (true) {
    std::string value;
    if (at < line.size() && line[at] == '"') {
      at = ReadQuoted(line, at + 1, value);
      if (at < line.size() && line[at] != ',') throw LineError("text follows a closing quote");
    } else {
      while (at < line.size() && line[at] != ',') value += line[at++];
      value = std::string(Trimmed(value));
    }
    values.push_back(std::move(value));
    if (at >= line.size()) return values;
    ++at;  // the comma
  }
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace corvane::workbench
