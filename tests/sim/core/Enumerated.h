// For Each as a late-binding client runs it: the collection's _NewEnum
// (DISPID_NEWENUM) as an IEnumVARIANT, then Next one item at a time.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"

namespace corvane::sim::testing {

inline com::ComPtr<IEnumVARIANT> NewEnumOf(const com::ComPtr<IDispatch>& collection) {
  const com::Variant given = com::Dispatch(collection).Get(DISPID_NEWENUM);
  EXPECT_EQ(given.type(), VT_UNKNOWN);
  return given.ToUnknown().try_query<IEnumVARIANT>();
}

// What Next hands out, to the end.
inline std::vector<com::Variant> Remaining(IEnumVARIANT* items) {
  std::vector<com::Variant> walked;
  for (;;) {
    VARIANT item;
    VariantInit(&item);
    ULONG fetched = 0;
    const HRESULT hr = items->Next(1, &item, &fetched);
    if (hr != S_OK) {
      EXPECT_EQ(hr, S_FALSE);
      EXPECT_EQ(fetched, 0u);
      return walked;
    }
    walked.push_back(com::Variant::Adopt(item));
  }
}

inline std::vector<com::Variant> Enumerated(const com::ComPtr<IDispatch>& collection) {
  const auto items = NewEnumOf(collection);
  if (!items) {
    ADD_FAILURE() << "_NewEnum gave no IEnumVARIANT";
    return {};
  }
  return Remaining(items.get());
}

}  // namespace corvane::sim::testing
