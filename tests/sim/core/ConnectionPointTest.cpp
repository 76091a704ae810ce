// Connection points as the framework's sinks use them: advise, unadvise,
// the order of sinks and of arguments, by-reference write-back, the
// enumerators, and counts back to zero.
#include <gtest/gtest.h>

#include "sim/core/ConnectionPoint.h"
#include "sim/core/EventCall.h"
#include "tests/sim/core/RecordingSink.h"
#include "tests/sim/core/Widget.h"

namespace corvane::sim::testing {
namespace {

using com::ComPtr;

class ConnectionPointTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Instrumentation::Instance().Reset();
    sinksBefore = Instrumentation::Instance().AdvisedSinks();
    auto container = widget.try_query<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    ASSERT_EQ(container->FindConnectionPoint(kWidgetEventsIid, point.put()), S_OK);
  }

  ComPtr<RecordingSink> Sink(const std::string& name) {
    return com::Make<RecordingSink>(kWidgetEventsIid, name, calls);
  }
  DWORD Advise(const ComPtr<RecordingSink>& sink) {
    DWORD cookie = 0;
    EXPECT_EQ(point->Advise(sink->identity(), &cookie), S_OK);
    return cookie;
  }
  void FirePlain() {
    EventCall call(1, "Plain");
    model->events->Fire(call);
  }

  std::vector<SinkCall> calls;
  long sinksBefore = 0;
  std::shared_ptr<WidgetModel> model = std::make_shared<WidgetModel>();
  ComPtr<Widget> widget = com::Make<Widget>(model);
  ComPtr<IConnectionPoint> point;
};

TEST_F(ConnectionPointTest, ThePointNamesItsInterfaceAndContainer) {
  IID iid{};
  EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
  EXPECT_TRUE(IsEqualIID(iid, kWidgetEventsIid));
  ComPtr<IConnectionPointContainer> container;
  EXPECT_EQ(point->GetConnectionPointContainer(container.put()), S_OK);
  EXPECT_EQ(container, widget.try_query<IConnectionPointContainer>());

  auto found = widget.try_query<IConnectionPointContainer>();
  ComPtr<IConnectionPoint> none;
  EXPECT_EQ(found->FindConnectionPoint(kWidgetIid, none.put()), CONNECT_E_NOCONNECTION);
  EXPECT_FALSE(none);

  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(found->EnumConnectionPoints(points.put()), S_OK);
  IConnectionPoint* items[2] = {};
  ULONG fetched = 0;
  EXPECT_EQ(points->Next(2, items, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 1u);
  ComPtr<IConnectionPoint> first = ComPtr<IConnectionPoint>::adopt(items[0]);
  first->GetConnectionInterface(&iid);
  EXPECT_TRUE(IsEqualIID(iid, kWidgetEventsIid));
}

TEST_F(ConnectionPointTest, SinksAreCalledInAdviseOrderUntilUnadvised) {
  const auto a = Sink("a"), b = Sink("b"), c = Sink("c");
  const DWORD ca = Advise(a), cb = Advise(b), cc = Advise(c);
  EXPECT_NE(ca, 0u);
  EXPECT_NE(ca, cb);
  EXPECT_EQ(Instrumentation::Instance().AdvisedSinks(), sinksBefore + 3);
  FirePlain();
  EXPECT_EQ(point->Unadvise(cb), S_OK);
  EXPECT_EQ(point->Unadvise(cb), CONNECT_E_NOCONNECTION);
  FirePlain();
  std::vector<std::string> order;
  for (const auto& call : calls) order.push_back(call.sink);
  EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c", "a", "c"}));
  EXPECT_EQ(Instrumentation::Instance().log().Matching("WidgetEvents."),
            (std::vector<std::string>{"WidgetEvents.Plain", "WidgetEvents.Plain"}));
  point->Unadvise(ca);
  point->Unadvise(cc);
  EXPECT_EQ(Instrumentation::Instance().AdvisedSinks(), sinksBefore);
}

TEST_F(ConnectionPointTest, ArgumentsTravelLastFirstAndCancelComesBack) {
  const auto first = Sink("first"), second = Sink("second");
  Advise(first);
  Advise(second);
  second->WriteRef(0, true);  // Cancel is the last argument: rgvarg[0]
  EventCall call(0x622, "WorkbookBeforeClose");
  call.Add(42).Add(u"two").AddBoolRef(false);
  EXPECT_EQ(model->events->Fire(call), 2u);
  ASSERT_EQ(calls.size(), 2u);
  const auto& seen = calls[0];
  EXPECT_EQ(seen.id, 0x622);
  ASSERT_EQ(seen.rgvarg.size(), 3u);
  EXPECT_EQ(seen.types[0], VT_BOOL | VT_BYREF);
  EXPECT_EQ(seen.rgvarg[1].ToText(), u"two");
  EXPECT_EQ(seen.rgvarg[2].ToInt32(), 42);
  EXPECT_TRUE(call.BoolAt(2));
  EXPECT_FALSE(calls[0].rgvarg[0].ToBool());  // the first sink saw it unset
}

TEST_F(ConnectionPointTest, ASinkSeesWhatTheSinkBeforeItLeft) {
  const auto first = Sink("first"), second = Sink("second");
  Advise(first);
  Advise(second);
  first->WriteRef(0, true);
  EventCall call(7, "Ask");
  call.AddBoolRef(false);
  model->events->Fire(call);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_TRUE(calls[1].rgvarg[0].ToBool());
  EXPECT_TRUE(call.BoolAt(0));
}

TEST_F(ConnectionPointTest, RefusedAdvisesLeaveNoConnection) {
  DWORD cookie = 77;
  const auto stranger = com::Make<RecordingSink>(kWidgetIid, "stranger", calls);
  EXPECT_EQ(point->Advise(stranger->identity(), &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(cookie, 0u);
  EXPECT_EQ(point->Advise(nullptr, &cookie), E_POINTER);
  EXPECT_EQ(point->Unadvise(12345), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(model->events->SinkCount(), 0u);
}

TEST_F(ConnectionPointTest, EnumConnectionsListsTheAdvisedSinks) {
  const auto a = Sink("a"), b = Sink("b");
  const DWORD ca = Advise(a), cb = Advise(b);
  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(point->EnumConnections(connections.put()), S_OK);
  CONNECTDATA data[3] = {};
  ULONG fetched = 0;
  EXPECT_EQ(connections->Next(3, data, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(data[0].dwCookie, ca);
  EXPECT_EQ(data[1].dwCookie, cb);
  for (ULONG i = 0; i < fetched; ++i) ComPtr<IUnknown>::adopt(data[i].pUnk);
  EXPECT_EQ(connections->Reset(), S_OK);
  EXPECT_EQ(connections->Skip(1), S_OK);
  ComPtr<IEnumConnections> copy;
  ASSERT_EQ(connections->Clone(copy.put()), S_OK);
  EXPECT_EQ(copy->Next(1, data, nullptr), S_OK);
  EXPECT_EQ(data[0].dwCookie, cb);
  ComPtr<IUnknown>::adopt(data[0].pUnk);
  EXPECT_EQ(copy->Skip(1), S_FALSE);
}

TEST_F(ConnectionPointTest, ClosingTheModelDropsSinksAndEveryCountReturnsToZero) {
  const long widgets = Instrumentation::Instance().LiveObjects(u"Widget");
  auto sink = Sink("a");
  Advise(sink);
  model.reset();  // its source goes, and the sink's connection with it
  EXPECT_EQ(Instrumentation::Instance().AdvisedSinks(), sinksBefore);
  DWORD cookie = 0;
  EXPECT_EQ(point->Advise(sink->identity(), &cookie), kDisconnected);
  EXPECT_EQ(point->Unadvise(1), CONNECT_E_NOCONNECTION);
  point.reset();
  widget.reset();
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(u"Widget"), widgets - 1);
  EXPECT_EQ(Instrumentation::Instance().OutstandingReferences(u"Widget"),
            Instrumentation::Instance().LiveObjects(u"Widget"));
}

}  // namespace
}  // namespace corvane::sim::testing
