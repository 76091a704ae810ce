#include "framework/design/DesignFormatter.h"

#include "framework/design/HexText.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

constexpr size_t kHexBytesPerLine = 32;

std::string Indent(int depth) { return std::string(static_cast<size_t>(depth) * 2, ' '); }

bool NeedsEscape(char16_t unit) { return unit < 0x20 || unit == 0x7F || (unit >= 0xD800 && unit <= 0xDFFF); }

std::string QuoteString(const std::u16string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string result = "\"";
  std::u16string run;  // units written as UTF-8
  const auto flush = [&] {
    result += com::Utf16ToUtf8(run);
    run.clear();
  };
  for (char16_t unit : text) {
    const char* named = unit == u'\\'   ? "\\\\"
                        : unit == u'"'  ? "\\\""
                        : unit == u'\r' ? "\\r"
                        : unit == u'\n' ? "\\n"
                        : unit == u'\t' ? "\\t"
                                        : nullptr;
    if (!named && !NeedsEscape(unit)) {
      run += unit;
      continue;
    }
    flush();
    if (named) {
      result += named;
    } else {
      result += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) result += kHex[(unit >> shift) & 15];
    }
  }
  flush();
  return result + "\"";
}

class Formatter {
 public:
  std::string Format(const DesignObject& root) {
    WriteObject(root, 0);
    return out_;
  }

 private:
  void Line(int depth, const std::string& text) { out_ += Indent(depth) + text + "\n"; }

  void WriteObject(const DesignObject& object, int depth) {
    Line(depth, "object " + object.name + ": " + object.className);
    WriteProperties(object.properties, depth + 1);
    for (const auto& child : object.children) WriteObject(child, depth + 1);
    Line(depth, "end");
  }

  void WriteProperties(const std::vector<DesignProperty>& properties, int depth) {
    for (const auto& property : properties) WriteProperty(property, depth);
  }

  void WriteProperty(const DesignProperty& property, int depth) {
    const std::string head = property.name + " = ";
    const DesignValue& value = property.value;
    switch (value.kind) {
      case DesignValue::Kind::String:
        return Line(depth, head + QuoteString(value.string));
      case DesignValue::Kind::Integer:
      case DesignValue::Kind::Name:
        return Line(depth, head + value.text);
      case DesignValue::Kind::Set:
        return Line(depth, head + SetText(value.names));
      case DesignValue::Kind::Bytes:
        return WriteBytes(head, value.bytes, depth);
      case DesignValue::Kind::Collection:
        return WriteItems(head, value.items, depth);
      case DesignValue::Kind::Strings:
        return WriteStrings(head, value.strings, depth);
    }
  }

  static std::string SetText(const std::vector<std::string>& names) {
    std::string text = "[";
    for (size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + names[i];
    return text + "]";
  }

  void WriteBytes(const std::string& head, const std::vector<uint8_t>& bytes, int depth) {
    Line(depth, head + "{");
    for (const auto& line : BytesToHexLines(bytes, kHexBytesPerLine)) Line(depth + 1, line);
    Line(depth, "}");
  }

  void WriteStrings(const std::string& head, const std::vector<std::u16string>& strings, int depth) {
    if (strings.empty()) return Line(depth, head + "()");
    Line(depth, head + "(");
    for (const auto& text : strings) Line(depth + 1, QuoteString(text));
    Line(depth, ")");
  }

  void WriteItems(const std::string& head, const std::vector<DesignItem>& items, int depth) {
    if (items.empty()) return Line(depth, head + "<>");
    Line(depth, head + "<");
    for (const auto& item : items) {
      Line(depth + 1, "item");
      WriteProperties(item.properties, depth + 2);
      Line(depth + 1, "end");
    }
    Line(depth, ">");
  }

  std::string out_;
};

}  // namespace

std::string FormatDesign(const DesignObject& root) { return Formatter().Format(root); }

}  // namespace corvane::framework
