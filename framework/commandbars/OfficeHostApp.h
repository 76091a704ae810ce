// The Office applications the framework knows, and sets of them.
#pragma once

#include <cstdint>

#include "framework/design/EnumName.h"

namespace corvane::framework {

enum TkvxOfficeHostApp : uint8_t {
  ohaExcel = 0,
  ohaWord = 1,
  ohaOutlook = 2,
  ohaPowerPoint = 3,
  ohaAccess = 4,
  ohaProject = 5,
  ohaFrontPage = 6,
  ohaMapPoint = 7,
  ohaVisio = 8,
  ohaPublisher = 9,
};

// A 16-bit set: bit n stands for the host of ordinal n.
class TkvxHostAppSet {
 public:
  constexpr TkvxHostAppSet() = default;
  constexpr TkvxHostAppSet(std::initializer_list<TkvxOfficeHostApp> apps) {
    for (auto app : apps) Include(app);
  }
  static constexpr TkvxHostAppSet FromBits(uint16_t bits) {
    TkvxHostAppSet set;
    set.bits_ = bits;
    return set;
  }

  constexpr bool Contains(TkvxOfficeHostApp app) const { return (bits_ >> app) & 1u; }
  constexpr void Include(TkvxOfficeHostApp app) { bits_ = static_cast<uint16_t>(bits_ | (1u << app)); }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr uint16_t Bits() const { return bits_; }
  friend constexpr bool operator==(TkvxHostAppSet, TkvxHostAppSet) = default;

 private:
  uint16_t bits_ = 0;
};

EnumNames OfficeHostAppNames();

}  // namespace corvane::framework
