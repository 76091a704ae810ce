// Counting and fault injection as a test of the add-in relies on them:
// calls per member, lookups apart, live objects and references, and each
// kind of injected failure.
#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "sim/core/Instrumentation.h"
#include "tests/sim/core/Widget.h"

namespace corvane::sim::testing {
namespace {

using com::ComPtr;

class InstrumentationTest : public ::testing::Test {
 protected:
  void SetUp() override { counts.Reset(); }
  void TearDown() override { counts.Reset(); }

  // Calls Name n times by DISPID; the result of each (S_OK or the fault's).
  std::vector<HRESULT> CallName(int n) {
    std::vector<HRESULT> results;
    for (int i = 0; i < n; ++i) {
      try {
        widget.Get(0x6E);
        results.push_back(S_OK);
      } catch (const com::ComError& error) {
        results.push_back(error.code());
      }
    }
    return results;
  }

  Instrumentation& counts = Instrumentation::Instance();
  std::shared_ptr<WidgetModel> model = std::make_shared<WidgetModel>();
  com::Dispatch widget{ComPtr<IDispatch>(com::Make<Widget>(model).get())};
};

constexpr HRESULT kFault = static_cast<HRESULT>(0x800A9999);

TEST_F(InstrumentationTest, CallsAreCountedPerMemberAndNumberedInOrder) {
  widget.Get(u"Name");
  widget.Get(u"Name");
  widget.Put(u"Size", 3);
  widget.Get(0xC1);
  EXPECT_EQ(counts.Calls(u"Widget", u"Name"), 2u);
  EXPECT_EQ(counts.Calls(u"Widget", u"Size"), 2u);  // one put, one get
  EXPECT_EQ(counts.Calls(u"Widget"), 4u);
  EXPECT_EQ(counts.Calls(u"Widget", u"Grow"), 0u);
  EXPECT_EQ(counts.HostCalls(), 4u);
  // Calls that reach no member are not host calls.
  EXPECT_THROW(widget.Get(0x999), com::ComError);
  EXPECT_EQ(counts.HostCalls(), 4u);
  counts.Reset();
  EXPECT_EQ(counts.HostCalls(), 0u);
  EXPECT_EQ(counts.Calls(u"Widget", u"Name"), 0u);
}

TEST_F(InstrumentationTest, EachFaultModeFailsExactlyItsCalls) {
  const HRESULT ok = S_OK;
  struct Case {
    const char* mode;
    void (*arm)(Instrumentation&);
    std::vector<HRESULT> expected;
  } cases[] = {
      {"member",
       [](Instrumentation& i) { i.FailMember(u"Widget", u"Name", kFault, u"no name"); },
       {kFault, kFault, kFault, kFault}},
      {"other member",
       [](Instrumentation& i) { i.FailMember(u"Widget", u"Size", kFault, u"no size"); },
       {ok, ok, ok, ok}},
      {"call 3", [](Instrumentation& i) { i.FailCall(3, kFault, u"third"); }, {ok, ok, kFault, ok}},
      {"after 2", [](Instrumentation& i) { i.FailCallsAfter(2, kFault, u"later"); }, {ok, ok, kFault, kFault}},
      {"after 0", [](Instrumentation& i) { i.FailCallsAfter(0, kFault, u"all"); }, {kFault, kFault, kFault, kFault}},
  };
  for (const auto& c : cases) {
    counts.Reset();
    c.arm(counts);
    EXPECT_EQ(CallName(4), c.expected) << c.mode;
    // A failed call is still a numbered host call.
    EXPECT_EQ(counts.HostCalls(), 4u) << c.mode;
  }
}

TEST_F(InstrumentationTest, AFaultCarriesItsTextAndSkipsTheHandler) {
  counts.FailMember(u"Widget", u"Size", kFault, u"Size is refused");
  try {
    widget.Put(u"Size", 99);
    ADD_FAILURE() << "the put went through";
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.code(), kFault);
    EXPECT_EQ(error.description(), u"Size is refused");
  }
  EXPECT_EQ(model->size, 10);
  EXPECT_EQ(counts.InjectedFailures(), 1u);
  counts.ClearFaults();
  widget.Put(u"Size", 99);
  EXPECT_EQ(model->size, 99);
}

TEST_F(InstrumentationTest, LiveObjectsAndReferencesFollowTheClients) {
  const long live = counts.LiveObjects(u"Widget");  // the fixture's widget
  const long refs = counts.OutstandingReferences(u"Widget");
  {
    auto first = com::Make<Widget>(model);
    EXPECT_EQ(counts.LiveObjects(u"Widget"), live + 1);
    EXPECT_EQ(counts.OutstandingReferences(u"Widget"), refs + 1);
    ComPtr<IDispatch> second(first.get());
    auto third = first.try_query<IConnectionPointContainer>();
    EXPECT_EQ(counts.OutstandingReferences(u"Widget"), refs + 3);
    // Reset clears counts, not facts.
    counts.Reset();
    EXPECT_EQ(counts.LiveObjects(u"Widget"), live + 1);
    EXPECT_NE(counts.LiveReport().find("Widget: "), std::string::npos);
  }
  EXPECT_EQ(counts.LiveObjects(u"Widget"), live);
  EXPECT_EQ(counts.OutstandingReferences(u"Widget"), refs);
}

}  // namespace
}  // namespace corvane::sim::testing
