#include "sim/office/model/TextRecord.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/com/Text.h"

namespace corvane::sim::office {

namespace {

struct Escape {
  char raw;
  char code;
};
constexpr Escape kEscapes[] = {{'\\', '\\'}, {'"', '"'}, {'\n', 'n'}, {'\r', 'r'}, {'\t', 't'}};

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    const Escape* escape = nullptr;
    for (const auto& e : kEscapes) {
      if (e.raw == c) escape = &e;
    }
    if (escape) {
      out += '\\';
      out += escape->code;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

char Unescape(char code) {
  for (const auto& e : kEscapes) {
    if (e.code == code) return e.raw;
  }
  throw SimDataError(std::string("unknown escape \\") + code);
}

class LineScanner {
 public:
  explicit LineScanner(const std::string& line) : line_(line) {}

  bool AtEnd() {
    SkipSpace();
    return pos_ == line_.size();
  }
  std::string Word() {
    SkipSpace();
    const size_t start = pos_;
    while (pos_ < line_.size() && (std::isalnum(static_cast<unsigned char>(line_[pos_])) || line_[pos_] == '_')) ++pos_;
    if (start == pos_) Fail("a name");
    return line_.substr(start, pos_ - start);
  }
  void Expect(char c) {
    if (pos_ >= line_.size() || line_[pos_] != c) Fail(std::string("'") + c + "'");
    ++pos_;
  }
  TextRecord::Pair Value(std::string name) {
    if (pos_ < line_.size() && line_[pos_] == '"') return {std::move(name), QuotedText(), true};
    const size_t start = pos_;
    if (pos_ < line_.size() && line_[pos_] == '-') ++pos_;
    while (pos_ < line_.size() && std::isdigit(static_cast<unsigned char>(line_[pos_]))) ++pos_;
    if (start == pos_) Fail("a value");
    return {std::move(name), line_.substr(start, pos_ - start), false};
  }

 private:
  void SkipSpace() {
    while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
  }
  std::string QuotedText() {
    std::string text;
    for (++pos_; pos_ < line_.size() && line_[pos_] != '"'; ++pos_) {
      if (line_[pos_] == '\\') {
        if (++pos_ == line_.size()) break;
        text += Unescape(line_[pos_]);
      } else {
        text += line_[pos_];
      }
    }
    Expect('"');
    return text;
  }
  [[noreturn]] void Fail(const std::string& wanted) {
    throw SimDataError("expected " + wanted + " at column " + std::to_string(pos_ + 1));
  }

  const std::string& line_;
  size_t pos_ = 0;
};

}  // namespace

void TextRecord::Add(const std::string& name, int32_t value) { pairs.push_back({name, std::to_string(value), false}); }

void TextRecord::Add(const std::string& name, bool value) { Add(name, static_cast<int32_t>(value ? 1 : 0)); }

void TextRecord::Add(const std::string& name, const std::u16string& value) {
  pairs.push_back({name, com::Utf16ToUtf8(value), true});
}

std::string TextRecord::Format() const {
  std::string line = keyword;
  for (const auto& pair : pairs) line += " " + pair.name + "=" + (pair.quoted ? Quote(pair.value) : pair.value);
  return line;
}

TextRecord TextRecord::Parse(const std::string& line) {
  LineScanner scanner(line);
  TextRecord record;
  record.keyword = scanner.Word();
  while (!scanner.AtEnd()) {
    auto name = scanner.Word();
    scanner.Expect('=');
    record.pairs.push_back(scanner.Value(std::move(name)));
  }
  return record;
}

void TextRecord::CheckNames(const std::vector<std::string>& names) const {
  for (const auto& pair : pairs) {
    if (std::find(names.begin(), names.end(), pair.name) == names.end()) {
      throw SimDataError("unknown property \"" + pair.name + "\" in a " + keyword + " line");
    }
  }
}

const TextRecord::Pair* TextRecord::FindPair(const std::string& name) const {
  for (const auto& pair : pairs) {
    if (pair.name == name) return &pair;
  }
  return nullptr;
}

int32_t TextRecord::Integer(const std::string& name) const {
  const Pair* pair = FindPair(name);
  if (!pair || pair->quoted) throw SimDataError("a " + keyword + " line lacks the number \"" + name + "\"");
  int32_t value = 0;
  const auto* end = pair->value.data() + pair->value.size();
  auto [ptr, ec] = std::from_chars(pair->value.data(), end, value);
  if (ec != std::errc() || ptr != end) throw SimDataError("\"" + name + "\" is out of range");
  return value;
}

bool TextRecord::Boolean(const std::string& name) const {
  const int32_t value = Integer(name);
  if (value != 0 && value != 1) throw SimDataError("\"" + name + "\" must be 0 or 1");
  return value == 1;
}

std::u16string TextRecord::Text(const std::string& name) const {
  const Pair* pair = FindPair(name);
  if (!pair || !pair->quoted) throw SimDataError("a " + keyword + " line lacks the text \"" + name + "\"");
  return com::Utf8ToUtf16(pair->value);
}

}  // namespace corvane::sim::office
