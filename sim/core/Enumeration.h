// _NewEnum (DISPID_NEWENUM) of the sim's collections: an IEnumVARIANT over
// the items as they were when it was asked for, handed out as VT_UNKNOWN, so
// that a late-binding client's For Each walks the collection.
//
//   NewEnum(&Widgets::Enumerate)                      the member table entry
//   return EnumerateItems(count, [&](int32_t i) { return ItemAt(i); });
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/com/Variant.h"
#include "sim/core/ObjectType.h"
#include "sim/core/SnapshotEnumerator.h"

namespace corvane::sim {

template <class T>
Member<T> NewEnum(com::Variant (T::*get)(Args&)) {
  return Get(DISPID_NEWENUM, u"_NewEnum", get);
}

// The items given, in order.
com::Variant EnumerateVariants(std::vector<com::Variant> items);
// Items 1..count as item(i) gives them.
com::Variant EnumerateItems(int32_t count, const std::function<com::Variant(int32_t)>& item);

// Over a list that makes its items on demand: List::value_type items,
// Give(item) a VARIANT that owns its reference.
template <class List, VARIANT (*Give)(const typename List::value_type&)>
com::Variant EnumerateList(std::shared_ptr<const List> items) {
  using Enumerator = SnapshotEnumerator<IEnumVARIANT, VARIANT, typename List::value_type, Give, List>;
  return com::Variant(static_cast<IEnumVARIANT*>(com::Make<Enumerator>(std::move(items)).get()));
}

}  // namespace corvane::sim
