// The design revisions last applied in the host, kept as one integer value
// per bar (by name) or item (by OfficeTag) under a subkey of the add-in's
// key in the current user's hive: "CommandBars" or "Controls". Without an
// add-in key nothing is read or kept.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

namespace corvane::framework {

class TkvxBarModule;

class DesignRecords {
 public:
  static constexpr char16_t kCommandBars[] = u"CommandBars";
  static constexpr char16_t kControls[] = u"Controls";

  // Opens the subkey, creating it, as looking for a record does.
  DesignRecords(const TkvxBarModule& Module, std::u16string_view Subkey);

  bool IsOpen() const { return registry_.HasOpenKey(); }
  // The recorded revision; nullopt when missing or not an integer.
  std::optional<int32_t> Read(std::u16string_view Name) const;
  // Whether the recorded revision equals Revision.
  bool Holds(std::u16string_view Name, int32_t Revision) const { return Read(Name) == Revision; }
  // RegistryError when the value cannot be written.
  void Write(std::u16string_view Name, int32_t Revision);
  void Erase(std::u16string_view Name);
  std::vector<std::u16string> Names() const;

 private:
  registry::Registry registry_;
};

}  // namespace corvane::framework
