#include "sim/core/Enumeration.h"

namespace corvane::sim {
namespace {

using Items = std::vector<com::Variant>;

VARIANT GiveCopy(const com::Variant& item) { return com::Variant(item).detach(); }

}  // namespace

com::Variant EnumerateVariants(std::vector<com::Variant> items) {
  return EnumerateList<Items, &GiveCopy>(std::make_shared<const Items>(std::move(items)));
}

com::Variant EnumerateItems(int32_t count, const std::function<com::Variant(int32_t)>& item) {
  Items items;
  for (int32_t i = 1; i <= count; ++i) items.push_back(item(i));
  return EnumerateVariants(std::move(items));
}

}  // namespace corvane::sim
