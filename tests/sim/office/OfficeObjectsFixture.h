// A fresh set of command bars behind its COM collection, with the calls the
// Office object tests share: a host call that must fail, and a wrapper's
// member read through the dispatch helper.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "sim/core/Instrumentation.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office::testing {

class OfficeObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override { Instrumentation::Instance().Reset(); }
  void TearDown() override {
    if (set) set->Close();
    Instrumentation::Instance().Reset();
  }

  static com::Dispatch Of(const com::Variant& value) { return com::Dispatch(value.ToDispatch()); }

  // The HRESULT a call fails with (S_OK when it does not fail).
  template <class F>
  static HRESULT FailureOf(F call) {
    try {
      call();
    } catch (const com::ComError& error) {
      return error.code();
    }
    return S_OK;
  }

  // A new custom bar and a button on it with a tag.
  com::Dispatch AddButton(const char16_t* barName, const char16_t* tag) {
    com::Dispatch bar = Of(bars.Call(u"Add", {com::Variant(barName)}));
    com::Dispatch button = Of(Of(bar.Get(u"Controls")).Call(u"Add", {com::Variant(1)}));
    button.Put(u"Tag", com::Variant(tag));
    return button;
  }

  std::shared_ptr<CommandBarSet> set = std::make_shared<CommandBarSet>();
  com::Dispatch bars{NewCommandBarsObject(set)};
};

}  // namespace corvane::sim::office::testing
