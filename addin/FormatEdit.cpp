#include "addin/FormatEdit.h"

#include "platform/com/Text.h"

namespace corvane::addin {
namespace {

// Every occurrence of `from` (ASCII letter case ignored) replaced by `to`,
// left to right, never re-reading replaced text.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from, std::u16string_view to) {
  if (from.empty()) return std::u16string(text);
  std::u16string result;
  size_t i = 0;
  while (i < text.size()) {
    if (text.size() - i >= from.size() && com::AsciiEqualNoCase(text.substr(i, from.size()), from)) {
      result += to;
      i += from.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

size_t FindNoCase(std::u16string_view text, std::u16string_view what) {
  if (what.empty() || what.size() > text.size()) return std::u16string_view::npos;
  for (size_t i = 0; i + what.size() <= text.size(); ++i) {
    if (com::AsciiEqualNoCase(text.substr(i, what.size()), what)) return i;
  }
  return std::u16string_view::npos;
}

}  // namespace

std::u16string IncreaseDecimal(std::u16string_view format, std::u16string_view separator) {
  if (separator.empty()) return std::u16string(format);  // nothing to place decimals after
  const bool hasSeparator = FindNoCase(format, separator) != std::u16string_view::npos;
  if (!hasSeparator && format.find(u'0') != std::u16string_view::npos) {
    return std::u16string(format) + std::u16string(separator) + u"0";
  }
  return ReplaceAll(format, separator, std::u16string(separator) + u"0");
}

std::u16string DecreaseDecimal(std::u16string_view format, std::u16string_view separator) {
  if (separator.empty()) return std::u16string(format);
  std::u16string result = ReplaceAll(format, std::u16string(separator) + u"0", separator);
  const size_t first = FindNoCase(result, separator);
  if (first != std::u16string::npos && first + separator.size() == result.size()) result.erase(first);
  return result;
}

}  // namespace corvane::addin
