#include "framework/hosting/XLAutomation.h"

#include <algorithm>
#include <optional>

#include "framework/hosting/TkvxFactory.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"

namespace corvane::framework {
namespace {

constexpr std::u16string_view kOpen = u"OPEN";
constexpr int kFirstReadingVersion = 10;
// Far beyond any real list; keeps the next number from overflowing.
constexpr long long kLargestNumber = 1000000000;

bool IsOpenName(std::u16string_view name) { return com::AsciiUpper(name).starts_with(kOpen); }

// The number after "OPEN": 0 for the bare name, none for other text.
std::optional<long long> OpenNumber(std::u16string_view name) {
  if (!IsOpenName(name)) return std::nullopt;
  long long number = 0;
  for (char16_t c : name.substr(kOpen.size())) {
    if (c < u'0' || c > u'9') return std::nullopt;
    number = number * 10 + (c - u'0');
    if (number > kLargestNumber) return std::nullopt;
  }
  return number;
}

// Excel's version when it reads the list, else nothing.
std::optional<int> ReadingVersion(const TkvxFactory& factory) {
  const int version = factory.GetHostVersion(ohaExcel);
  if (version < kFirstReadingVersion) return std::nullopt;
  return version;
}

bool LessNoCase(const std::u16string& a, const std::u16string& b) { return com::AsciiUpper(a) < com::AsciiUpper(b); }

// The value's string data; none for a value of another type.
std::optional<std::u16string> StringData(const registry::Registry& key, const std::u16string& name) {
  try {
    return key.ReadString(name);
  } catch (const registry::RegistryError&) {
    return std::nullopt;
  }
}

}  // namespace

std::u16string ExcelOptionsKey(int MajorVersion) {
  return u"\\Software\\Microsoft\\Office\\" + com::Utf8ToUtf16(std::to_string(MajorVersion)) + u".0\\Excel\\Options";
}

std::u16string AutomationAddInData(std::u16string_view ProgId) {
  std::u16string data = u"/A \"";
  data.append(ProgId).append(u"\"");
  return data;
}

std::u16string NextOpenValueName(const std::vector<std::u16string>& ValueNames) {
  std::optional<long long> largest;
  for (const auto& name : ValueNames) {
    if (const auto number = OpenNumber(name)) largest = std::max(largest.value_or(0), *number);
  }
  if (!largest) return std::u16string(kOpen);
  return std::u16string(kOpen) + com::Utf8ToUtf16(std::to_string(*largest + 1));
}

void RegisterXLAutomation(const TkvxFactory& Factory) {
  const auto version = ReadingVersion(Factory);
  if (!version) return;
  registry::Registry user(HKEY_CURRENT_USER);
  if (!user.OpenKey(ExcelOptionsKey(*version), true)) return;
  user.WriteString(NextOpenValueName(user.GetValueNames()), AutomationAddInData(Factory.GetProgID()));
  user.CloseKey();
}

void UnregisterXLAutomation(const TkvxFactory& Factory) {
  const auto version = ReadingVersion(Factory);
  if (!version) return;
  registry::Registry user(HKEY_CURRENT_USER);
  if (!user.OpenKey(ExcelOptionsKey(*version), false)) return;
  std::vector<std::u16string> names = user.GetValueNames();
  std::stable_sort(names.begin(), names.end(), LessNoCase);
  const std::u16string progId = Factory.GetProgID();
  for (const auto& name : names) {
    if (!IsOpenName(name)) continue;
    const auto data = StringData(user, name);
    if (!data || data->find(progId) == std::u16string::npos) continue;
    user.DeleteValue(name);
    break;
  }
  user.CloseKey();
}

}  // namespace corvane::framework
