#include "platform/registry/portable/StoreText.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "platform/com/Text.h"
#include "platform/registry/KeyPath.h"
#include "platform/registry/RegistryError.h"

namespace corvane::registry::portable {
namespace {

// Control characters with a short escape in quoted text.
struct ShortEscape {
  char16_t unit;
  char letter;
};
constexpr ShortEscape kShortEscapes[] = {{u'\\', '\\'}, {u'"', '"'}, {u'\n', 'n'}, {u'\r', 'r'}, {u'\t', 't'}};

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Four hexadecimal digits, exactly.
std::optional<char16_t> ParseHex4(std::string_view text) {
  unsigned value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.size() != 4 || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return static_cast<char16_t>(value);
}

std::string Hex4(char16_t c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(c));
  return buffer;
}

// Appends text as UTF-8, handing each unit that must be escaped to `escape`.
template <typename NeedsEscape, typename Escape>
void AppendEscaped(std::string& out, std::u16string_view text, NeedsEscape needsEscape, Escape escape) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out += com::Utf16ToUtf8(text.substr(i++, 2));
    } else if (IsSurrogate(c) || needsEscape(c)) {
      out += escape(c);
    } else {
      out += com::Utf16ToUtf8(text.substr(i, 1));
    }
  }
}

std::string QuoteText(std::u16string_view text) {
  std::string out = "\"";
  auto needsEscape = [](char16_t c) { return c < 0x20 || c == 0x7F || c == u'\\' || c == u'"'; };
  auto escape = [](char16_t c) -> std::string {
    for (const ShortEscape& e : kShortEscapes) {
      if (e.unit == c) return std::string{'\\', e.letter};
    }
    return "\\u" + Hex4(c);
  };
  AppendEscaped(out, text, needsEscape, escape);
  return out + "\"";
}

std::string KeyNameText(std::u16string_view name) {
  std::string out;
  auto needsEscape = [](char16_t c) { return c < 0x20 || c == 0x7F || c == u'%' || c == u']'; };
  AppendEscaped(out, name, needsEscape, [](char16_t c) { return "%" + Hex4(c); });
  return out;
}

void FormatValue(std::string& out, const Value& value) {
  out += value.name.empty() ? "@" : QuoteText(value.name);
  if (value.type == ValueType::Integer) {
    out += "=dword:" + std::to_string(value.number) + "\n";
  } else {
    out += "=string:" + QuoteText(value.text) + "\n";
  }
}

void FormatKey(std::string& out, const Key& key, const std::string& path) {
  if (!path.empty() || !key.values().empty()) out += "[" + path + "]\n";
  for (const Value& value : key.values()) FormatValue(out, value);
  for (const Key& subkey : key.subkeys()) {
    FormatKey(out, subkey, (path.empty() ? "" : path + "\\") + KeyNameText(subkey.name()));
  }
}

// Reads one line's text, keeping the file name and line for errors.
class LineReader {
 public:
  LineReader(std::string_view line, const std::string& fileName, size_t number)
      : line_(line), fileName_(fileName), number_(number) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw RegistryError(ERROR_BADDB,
                        "Damaged registry file " + fileName_ + ":" + std::to_string(number_) + ": " + what);
  }
  bool AtEnd() const { return pos_ >= line_.size(); }
  bool Take(std::string_view expected) {
    if (line_.substr(pos_, expected.size()) != expected) return false;
    pos_ += expected.size();
    return true;
  }
  void Expect(std::string_view expected) {
    if (!Take(expected)) Fail("expected '" + std::string(expected) + "'");
  }
  std::string_view Rest() { return line_.substr(std::exchange(pos_, line_.size())); }

  std::u16string Quoted() {
    Expect("\"");
    std::u16string text;
    size_t runStart = pos_;
    auto flush = [&] { text += com::Utf8ToUtf16(line_.substr(runStart, pos_ - runStart)); };
    while (!AtEnd() && line_[pos_] != '"') {
      if (line_[pos_] != '\\') {
        ++pos_;
        continue;
      }
      flush();
      ++pos_;
      text += Escape();
      runStart = pos_;
    }
    flush();
    if (AtEnd()) Fail("unterminated quoted text");
    ++pos_;
    return text;
  }

 private:
  char16_t Escape() {
    if (AtEnd()) Fail("unterminated escape");
    const char letter = line_[pos_++];
    if (letter == 'u') {
      const auto unit = ParseHex4(line_.substr(pos_, 4));
      if (!unit) Fail("bad \\u escape");
      pos_ += 4;
      return *unit;
    }
    for (const ShortEscape& e : kShortEscapes) {
      if (e.letter == letter) return e.unit;
    }
    Fail(std::string("unknown escape '\\") + letter + "'");
  }

  std::string_view line_;
  const std::string& fileName_;
  size_t number_;
  size_t pos_ = 0;
};

std::u16string KeyNameFromText(std::string_view text, LineReader& reader) {
  std::u16string name;
  size_t runStart = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    name += com::Utf8ToUtf16(text.substr(runStart, i - runStart));
    const auto unit = ParseHex4(text.substr(i + 1, 4));
    if (!unit) reader.Fail("bad key name escape");
    // A backslash separates keys: no name holds one, and written back it
    // would read as two keys.
    if (*unit == u'\\') reader.Fail("a key name holds a backslash");
    name += *unit;
    i += 4;
    runStart = i + 1;
  }
  return name + com::Utf8ToUtf16(text.substr(runStart));
}

Key* ParseKeyLine(LineReader& reader, Key& root) {
  const std::string_view rest = reader.Rest();
  if (rest.empty() || rest.back() != ']') reader.Fail("a key line ends with ']'");
  const std::string_view path = rest.substr(0, rest.size() - 1);
  Key* key = &root;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end == start) reader.Fail("empty key name in path");
    key = &key->FindOrAdd(KeyNameFromText(path.substr(start, end - start), reader));
    start = end + 1;
  }
  if (!path.empty() && path.back() == '\\') reader.Fail("empty key name in path");
  return key;
}

uint32_t ParseNumber(LineReader& reader) {
  const std::string_view text = reader.Rest();
  uint32_t number = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    reader.Fail("bad 32-bit integer '" + std::string(text) + "'");
  }
  return number;
}

void ParseValueLine(LineReader& reader, Key& key) {
  Value value;
  if (!reader.Take("@")) value.name = reader.Quoted();
  if (key.FindValue(value.name)) reader.Fail("value '" + com::Utf16ToUtf8(value.name) + "' given twice");
  reader.Expect("=");
  if (reader.Take("dword:")) {
    value.type = ValueType::Integer;
    value.number = ParseNumber(reader);
  } else if (reader.Take("string:")) {
    value.text = reader.Quoted();
    if (!reader.AtEnd()) reader.Fail("text after the value");
  } else {
    reader.Fail("unknown value type (expected dword: or string:)");
  }
  key.SetValue(std::move(value));
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string FormatStore(const Key& root) {
  std::string out = std::string(kStoreHeader) + "\n";
  FormatKey(out, root, "");
  return out;
}

Key ParseStore(std::string_view text, const std::string& fileName) {
  Key root;
  Key* current = &root;
  bool sawHeader = false;
  const auto lines = SplitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    LineReader reader(line, fileName, i + 1);
    if (line.empty() || line.front() == ';') continue;
    if (!sawHeader) {
      if (line != kStoreHeader) reader.Fail("expected the header '" + std::string(kStoreHeader) + "'");
      sawHeader = true;
    } else if (reader.Take("[")) {
      current = ParseKeyLine(reader, root);
    } else {
      ParseValueLine(reader, *current);
    }
  }
  if (!sawHeader && !text.empty()) LineReader("", fileName, 1).Fail("no header");
  return root;
}

}  // namespace corvane::registry::portable
