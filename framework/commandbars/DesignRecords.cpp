#include "framework/commandbars/DesignRecords.h"

#include "framework/commandbars/TkvxBarModule.h"

namespace corvane::framework {

DesignRecords::DesignRecords(const TkvxBarModule& Module, std::u16string_view Subkey) : registry_(HKEY_CURRENT_USER) {
  std::u16string path = Module.AddInKeyPath();
  if (path.empty()) return;
  if (path.front() != u'\\') path.insert(path.begin(), u'\\');
  path += u'\\';
  path += Subkey;
  registry_.OpenKey(path, true);
}

std::optional<int32_t> DesignRecords::Read(std::u16string_view Name) const {
  if (!IsOpen() || !registry_.ValueExists(Name)) return std::nullopt;
  try {
    return registry_.ReadInteger(Name);
  } catch (const registry::RegistryError&) {
    // A value of another type is no record of ours: the design is applied.
    return std::nullopt;
  }
}

void DesignRecords::Write(std::u16string_view Name, int32_t Revision) {
  if (IsOpen()) registry_.WriteInteger(Name, Revision);
}

void DesignRecords::Erase(std::u16string_view Name) {
  if (IsOpen()) registry_.DeleteValue(Name);
}

std::vector<std::u16string> DesignRecords::Names() const {
  if (!IsOpen()) return {};
  return registry_.GetValueNames();
}

}  // namespace corvane::framework
