#include "workbench/NumberFormatter.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/com/Text.h"

namespace corvane::workbench {
namespace {

bool IsPlaceholder(char16_t c) { return c == u'0' || c == u'#' || c == u'?'; }

// The format's sections, split at semicolons outside quotes and escapes.
std::vector<std::u16string_view> Sections(std::u16string_view format) {
  std::vector<std::u16string_view> sections;
  size_t start = 0;
  bool quoted = false;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'"') quoted = !quoted;
    if (quoted) continue;
    if (format[i] == u'\\' || format[i] == u'_' || format[i] == u'*') {
      ++i;
    } else if (format[i] == u';') {
      sections.push_back(format.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(format.substr(start));
  return sections;
}

bool IsGeneral(std::u16string_view section) { return com::AsciiEqualNoCase(section, u"General") || section.empty(); }

// Where the digit pattern (placeholders, commas and the decimal point) sits
// in a section, skipping literal text.
struct PatternSpan {
  size_t begin = std::u16string_view::npos;
  size_t end = 0;
};

PatternSpan FindPattern(std::u16string_view section) {
  PatternSpan span;
  bool quoted = false;
  for (size_t i = 0; i < section.size(); ++i) {
    const char16_t c = section[i];
    if (c == u'"') quoted = !quoted;
    if (quoted || c == u'"') continue;
    if (c == u'\\' || c == u'_' || c == u'*') {
      ++i;
      continue;
    }
    const bool digitPart = IsPlaceholder(c) || ((c == u',' || c == u'.') && span.begin != std::u16string_view::npos);
    if (IsPlaceholder(c) || (c == u'.' && span.begin == std::u16string_view::npos)) {
      if (span.begin == std::u16string_view::npos) span.begin = i;
      span.end = i + 1;
    } else if (digitPart) {
      span.end = i + 1;
    } else if (span.begin != std::u16string_view::npos) {
      break;
    }
  }
  return span;
}

bool HasPercent(std::u16string_view section) {
  bool quoted = false;
  for (size_t i = 0; i < section.size(); ++i) {
    if (section[i] == u'"') quoted = !quoted;
    if (quoted) continue;
    if (section[i] == u'\\' || section[i] == u'_' || section[i] == u'*') {
      ++i;
    } else if (section[i] == u'%') {
      return true;
    }
  }
  return false;
}

// Literal text of a section around its digit pattern (or its @ for text).
std::u16string Literal(std::u16string_view part, const std::u16string& inserted, char16_t marker) {
  std::u16string out;
  bool quoted = false;
  for (size_t i = 0; i < part.size(); ++i) {
    const char16_t c = part[i];
    if (c == u'"') {
      quoted = !quoted;
    } else if (quoted) {
      out += c;
    } else if (c == u'\\' && i + 1 < part.size()) {
      out += part[++i];
    } else if ((c == u'_' || c == u'*') && i + 1 < part.size()) {
      out += u' ';
      ++i;
    } else if (c == marker) {
      out += inserted;
    } else {
      out += c;
    }
  }
  return out;
}

std::u16string Ascii(const std::string& text) { return com::Utf8ToUtf16(text); }

}  // namespace

std::u16string NumberFormatter::Format(const sim::excel::CellValue& value, std::u16string_view format) const {
  if (const auto* number = std::get_if<double>(&value)) return FormatNumber(*number, format);
  if (const auto* text = std::get_if<std::u16string>(&value)) return FormatText(*text, format);
  return {};
}

std::u16string NumberFormatter::FormatText(const std::u16string& text, std::u16string_view format) const {
  const auto sections = Sections(format);
  if (sections.size() < 4) return text;
  return Literal(sections[3], text, u'@');
}

std::u16string NumberFormatter::FormatNumber(double number, std::u16string_view format) const {
  const auto sections = Sections(format);
  std::u16string_view section = sections[0];
  bool sign = number < 0;
  if (number < 0 && sections.size() >= 2) {
    section = sections[1];
    sign = false;
  } else if (number == 0 && sections.size() >= 3) {
    section = sections[2];
  }
  const double magnitude = sections.size() >= 2 ? std::fabs(number) : number;
  if (IsGeneral(section)) return General(magnitude);
  std::u16string text = Section(std::fabs(magnitude), section);
  return sign ? u"-" + text : text;
}

std::u16string NumberFormatter::General(double number) const {
  char buffer[64];
  if (std::fabs(number) < 1e11 && number == std::floor(number)) {
    std::snprintf(buffer, sizeof buffer, "%.0f", number);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.10G", number);
  }
  std::u16string text = Ascii(buffer);
  for (auto& c : text) {
    if (c == u'.') c = notation_.decimal;
  }
  return text;
}

std::u16string NumberFormatter::Section(double number, std::u16string_view section) const {
  if (HasPercent(section)) number *= 100;
  const PatternSpan span = FindPattern(section);
  if (span.begin == std::u16string_view::npos) return Literal(section, {}, 0);
  return Literal(section.substr(0, span.begin), {}, 0) +
         Digits(number, section.substr(span.begin, span.end - span.begin)) + Literal(section.substr(span.end), {}, 0);
}

// Digits for a pattern such as "#,##0.00" or "??": zeros always shown, #
// only where there is a digit, ? as a space where there is none.
std::u16string NumberFormatter::Digits(double number, std::u16string_view pattern) const {
  const size_t point = pattern.find(u'.');
  const std::u16string_view whole = pattern.substr(0, point);
  const std::u16string_view fraction =
      point == std::u16string_view::npos ? std::u16string_view() : pattern.substr(point + 1);
  size_t decimals = 0, zeros = 0, questions = 0;
  for (char16_t c : fraction) decimals += IsPlaceholder(c) ? 1 : 0;
  for (char16_t c : whole) {
    zeros += c == u'0' ? 1 : 0;
    questions += c == u'?' ? 1 : 0;
  }
  const bool grouped = whole.find(u',') != std::u16string_view::npos;

  // Halves round away from zero, as Excel shows them.
  const double scale = std::pow(10.0, static_cast<double>(decimals));
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(decimals), std::round(number * scale) / scale);
  const std::string fixed = buffer;
  const size_t dot = fixed.find('.');
  std::string integer = fixed.substr(0, dot);
  std::string decimal = dot == std::string::npos ? std::string() : fixed.substr(dot + 1);

  if (integer == "0" && zeros == 0) integer.clear();
  while (integer.size() < zeros) integer.insert(integer.begin(), '0');
  std::u16string out;
  for (size_t i = 0; i < integer.size(); ++i) {
    if (grouped && i > 0 && (integer.size() - i) % 3 == 0) out += notation_.grouping;
    out += static_cast<char16_t>(integer[i]);
  }
  if (out.size() < questions) out.insert(0, questions - out.size(), u' ');

  // Optional decimals: trailing zeros under # go, under ? become spaces.
  std::u16string decimalText = Ascii(decimal);
  std::vector<char16_t> marks;
  for (char16_t c : fraction) {
    if (IsPlaceholder(c)) marks.push_back(c);
  }
  for (size_t i = decimalText.size(); i-- > 0 && decimalText[i] == u'0' && marks[i] != u'0';) {
    if (marks[i] == u'#') {
      decimalText.pop_back();
    } else {
      decimalText[i] = u' ';
    }
  }
  if (point != std::u16string_view::npos) out += notation_.decimal + decimalText;
  return out;
}

}  // namespace corvane::workbench
