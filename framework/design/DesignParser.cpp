#include "framework/design/DesignParser.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "framework/design/DesignError.h"
#include "framework/design/HexText.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

struct Line {
  int number = 0;
  std::string_view text;  // without surrounding blanks
};

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool IsName(std::string_view text) {
  if (text.empty() || !IsNameStart(text.front())) return false;
  for (char c : text) {
    if (!IsNameChar(c)) return false;
  }
  return true;
}

// Property names may be dotted ("Glyph.Data").
bool IsPropertyName(std::string_view text) {
  size_t start = 0;
  while (true) {
    const size_t dot = text.find('.', start);
    if (!IsName(text.substr(start, dot == std::string_view::npos ? dot : dot - start))) return false;
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

bool IsIntegerLiteral(std::string_view text) {
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    if (text.empty()) return false;
    for (char c : text) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
  }
  if (text.starts_with('-')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

struct Escape {
  char letter;
  char16_t unit;
};
constexpr Escape kEscapes[] = {{'\\', u'\\'}, {'"', u'"'}, {'r', u'\r'}, {'n', u'\n'}, {'t', u'\t'}};

// Objects and collections nested deeper than any design needs are refused
// before the recursion could exhaust the stack.
constexpr int kMostNesting = 32;

class Parser {
 public:
  Parser(std::string_view text, const std::string& design) : design_(design) {
    // Editors may save the text with a byte order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    int number = 1;
    size_t start = 0;
    while (start <= text.size()) {
      const size_t end = text.find('\n', start);
      const std::string_view raw = text.substr(start, end == std::string_view::npos ? end : end - start);
      lines_.push_back({number++, Trim(raw)});
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
  }

  DesignObject ParseRoot() {
    std::optional<Line> header = NextStatement();
    if (!header) Fail(LastLine(), "", "the design is empty");
    DesignObject root = ParseObject(*header, "");
    if (std::optional<Line> extra = NextStatement()) Fail(extra->number, root.name, "text after the end of the design");
    return root;
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& place, const std::string& what) const {
    throw DesignError(design_, line, place, what);
  }

  int LastLine() const { return lines_.empty() ? 0 : lines_.back().number; }

  std::optional<Line> NextStatement() {
    while (next_ < lines_.size()) {
      const Line line = lines_[next_++];
      if (line.text.empty() || line.text.front() == '#') continue;
      return line;
    }
    return std::nullopt;
  }

  Line RequireStatement(const std::string& place, const std::string& inside) {
    std::optional<Line> line = NextStatement();
    if (!line) Fail(LastLine(), place, "the design ends inside " + inside);
    return *line;
  }

  // One level deeper; Leave() when the object or collection is complete.
  void Enter(int line, const std::string& place) {
    if (++depth_ > kMostNesting) {
      Fail(line, place, "objects and collections nest more than " + std::to_string(kMostNesting) + " deep");
    }
  }
  void Leave() { --depth_; }

  DesignObject ParseObject(const Line& header, const std::string& parentPath) {
    Enter(header.number, parentPath);
    DesignObject object = ParseHeader(header, parentPath);
    const std::string path = parentPath.empty() ? object.name : parentPath + "." + object.name;
    while (true) {
      const Line line = RequireStatement(path, "\"" + object.name + "\"");
      if (line.text == "end") {
        Leave();
        return object;
      }
      if (line.text.starts_with("object ")) {
        object.children.push_back(ParseObject(line, path));
      } else {
        object.properties.push_back(ParseProperty(line, path));
      }
    }
  }

  DesignObject ParseHeader(const Line& header, const std::string& parentPath) {
    if (!header.text.starts_with("object ")) Fail(header.number, parentPath, "expected \"object <Name>: <Class>\"");
    const std::string_view rest = header.text.substr(7);
    const size_t colon = rest.find(':');
    DesignObject object;
    object.line = header.number;
    if (colon != std::string_view::npos) {
      object.name = std::string(Trim(rest.substr(0, colon)));
      object.className = std::string(Trim(rest.substr(colon + 1)));
    }
    if (!IsName(object.name) || !IsName(object.className)) {
      Fail(header.number, parentPath, "expected \"object <Name>: <Class>\", got \"" + std::string(header.text) + "\"");
    }
    return object;
  }

  DesignProperty ParseProperty(const Line& line, const std::string& path) {
    const size_t equals = line.text.find('=');
    DesignProperty property;
    property.line = line.number;
    property.name = std::string(Trim(line.text.substr(0, equals == std::string_view::npos ? 0 : equals)));
    if (equals == std::string_view::npos || !IsPropertyName(property.name)) {
      Fail(line.number, path, "expected \"<Property> = <value>\", got \"" + std::string(line.text) + "\"");
    }
    const std::string place = path + "." + property.name;
    property.value = ParseValue(Trim(line.text.substr(equals + 1)), line.number, place);
    return property;
  }

  DesignValue ParseValue(std::string_view text, int line, const std::string& place) {
    if (text.empty()) Fail(line, place, "the value is missing");
    if (text.front() == '"') return DesignValue::OfString(ParseString(text, line, place));
    if (text.front() == '[') return ParseSet(text, line, place);
    if (text.front() == '{') return DesignValue::OfBytes(ParseBytes(text.substr(1), line, place));
    if (text == "()") return DesignValue::OfStrings({});
    if (text == "(") return DesignValue::OfStrings(ParseStrings(place));
    if (text == "<>") return DesignValue::OfItems({});
    if (text == "<") return DesignValue::OfItems(ParseItems(place));
    if (IsIntegerLiteral(text)) {
      DesignValue value;
      value.kind = DesignValue::Kind::Integer;
      value.text = std::string(text);
      return value;
    }
    if (IsName(text)) return DesignValue::OfName(std::string(text));
    Fail(line, place, "cannot read the value \"" + std::string(text) + "\"");
  }

  std::u16string ParseString(std::string_view text, int line, const std::string& place) {
    std::u16string result;
    std::string pending;  // UTF-8 run between escapes
    const auto flush = [&] {
      result += com::Utf8ToUtf16(pending);
      pending.clear();
    };
    for (size_t i = 1; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '"') {
        if (i + 1 != text.size()) Fail(line, place, "text after the closing quote");
        flush();
        return result;
      }
      if (c != '\\') {
        pending += c;
        continue;
      }
      if (++i >= text.size()) break;
      flush();
      result += ParseEscape(text, i, line, place);
    }
    Fail(line, place, "the design ends inside a string: the closing quote is missing");
  }

  char16_t ParseEscape(std::string_view text, size_t& i, int line, const std::string& place) {
    for (const auto& escape : kEscapes) {
      if (text[i] == escape.letter) return escape.unit;
    }
    if (text[i] == 'u' && i + 4 < text.size()) {
      unsigned unit = 0;
      for (size_t k = 1; k <= 4; ++k) {
        const int digit = HexDigitValue(text[i + k]);
        if (digit < 0) Fail(line, place, "bad \\u escape");
        unit = unit * 16 + static_cast<unsigned>(digit);
      }
      i += 4;
      return static_cast<char16_t>(unit);
    }
    Fail(line, place, std::string("unknown escape \"\\") + text[i] + "\"");
  }

  DesignValue ParseSet(std::string_view text, int line, const std::string& place) {
    if (text.back() != ']') Fail(line, place, "the set has no closing \"]\"");
    std::vector<std::string> names;
    std::string_view inner = Trim(text.substr(1, text.size() - 2));
    while (!inner.empty()) {
      const size_t comma = inner.find(',');
      const std::string_view name = Trim(inner.substr(0, comma));
      if (!IsName(name)) Fail(line, place, "bad set element \"" + std::string(name) + "\"");
      names.emplace_back(name);
      if (comma == std::string_view::npos) break;
      inner = Trim(inner.substr(comma + 1));
      if (inner.empty()) Fail(line, place, "bad set element \"\"");
    }
    return DesignValue::OfSet(std::move(names));
  }

  std::vector<uint8_t> ParseBytes(std::string_view first, int line, const std::string& place) {
    std::string digits;
    std::string_view chunk = first;
    int chunkLine = line;
    while (true) {
      const size_t close = chunk.find('}');
      digits += std::string(chunk.substr(0, close));
      if (close != std::string_view::npos) {
        if (!Trim(chunk.substr(close + 1)).empty()) Fail(chunkLine, place, "text after the closing \"}\"");
        break;
      }
      if (next_ >= lines_.size()) Fail(LastLine(), place, "the design ends inside a byte block");
      chunkLine = lines_[next_].number;
      chunk = lines_[next_++].text;
    }
    try {
      return HexToBytes(digits);
    } catch (const DesignFault& fault) {
      Fail(line, place, fault.what());
    }
  }

  // One string per line up to ")".
  std::vector<std::u16string> ParseStrings(const std::string& place) {
    std::vector<std::u16string> strings;
    while (true) {
      const Line next = RequireStatement(place, "the list " + place);
      if (next.text == ")") return strings;
      if (next.text.front() != '"') {
        Fail(next.number, place, "expected a string or \")\", got \"" + std::string(next.text) + "\"");
      }
      strings.push_back(ParseString(next.text, next.number, place));
    }
  }

  std::vector<DesignItem> ParseItems(const std::string& place) {
    Enter(lines_[next_ - 1].number, place);
    std::vector<DesignItem> items;
    while (true) {
      const Line line = RequireStatement(place, "the collection " + place);
      if (line.text == ">") {
        Leave();
        return items;
      }
      if (line.text != "item")
        Fail(line.number, place, "expected \"item\" or \">\", got \"" + std::string(line.text) + "\"");
      items.push_back(ParseItem(line, place + "[" + std::to_string(items.size()) + "]"));
    }
  }

  DesignItem ParseItem(const Line& header, const std::string& path) {
    DesignItem item;
    item.line = header.number;
    while (true) {
      const Line line = RequireStatement(path, path);
      if (line.text == "end") return item;
      item.properties.push_back(ParseProperty(line, path));
    }
  }

  std::string design_;
  std::vector<Line> lines_;
  size_t next_ = 0;
  int depth_ = 0;
};

}  // namespace

DesignObject ParseDesign(std::string_view text, const std::string& designName) {
  return Parser(text, designName).ParseRoot();
}

}  // namespace corvane::framework
