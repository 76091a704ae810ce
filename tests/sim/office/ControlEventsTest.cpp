// Click and Change through the controls' connection points: Office's
// delivery to every control with the clicked one's tag, the clicked control
// as Ctrl, and CancelDefault by reference.
#include <gtest/gtest.h>

#include "platform/com/Variant.h"
#include "platform/input/KeyState.h"
#include "platform/input/VirtualKeys.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/Clicks.h"
#include "tests/sim/core/RecordingSink.h"
#include "tests/sim/office/OfficeObjectsFixture.h"
#include "tests/sim/office/StubDispatch.h"

namespace corvane::sim::office::testing {
namespace {

using com::ComPtr;
using com::Variant;
using sim::testing::RecordingSink;
using sim::testing::SinkCall;

// One advised sink on one control's events.
struct Advised {
  ComPtr<IConnectionPoint> point;
  ComPtr<RecordingSink> sink;
  DWORD cookie = 0;
};

// Records whether Ctrl is down while the click is delivered.
class KeyStateSink final : public StubDispatch<IDispatch> {
 public:
  explicit KeyStateSink(std::vector<bool>& seen) : seen_(seen) {}
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    seen_.push_back(input::IsKeyDown(VK_CONTROL));
    return S_OK;
  }

 protected:
  void* QueryOther(REFIID riid) override {
    return IsEqualIID(riid, Office::CommandBarButtonEvents::iid) ? static_cast<IDispatch*>(this) : nullptr;
  }

 private:
  std::vector<bool>& seen_;
};

class ControlEventsTest : public OfficeObjectsTest {
 protected:
  Advised Advise(com::Dispatch& control, const IID& events, const std::string& name) {
    Advised advised;
    auto container = control.object().try_query<IConnectionPointContainer>();
    EXPECT_TRUE(container);
    EXPECT_EQ(container->FindConnectionPoint(events, advised.point.put()), S_OK);
    advised.sink = com::Make<RecordingSink>(events, name, calls);
    EXPECT_EQ(advised.point->Advise(advised.sink.get(), &advised.cookie), S_OK);
    return advised;
  }
  std::shared_ptr<Control> ModelTagged(const std::u16string& tag, size_t n = 0) { return set->ControlsTagged(tag)[n]; }
  static std::u16string CaptionOf(const Variant& ctrl) {
    return com::Dispatch(ctrl.ToDispatch()).Get(u"Caption").ToText();
  }

  std::vector<SinkCall> calls;
};

TEST_F(ControlEventsTest, AClickReachesEveryControlWithTheSameTag) {
  com::Dispatch a = AddButton(u"One", u"shared");
  com::Dispatch b = AddButton(u"Two", u"shared");
  com::Dispatch other = AddButton(u"Three", u"other");
  a.Put(u"Caption", Variant(u"A"));
  b.Put(u"Caption", Variant(u"B"));
  auto sa = Advise(a, Office::CommandBarButtonEvents::iid, "a");
  auto sb = Advise(b, Office::CommandBarButtonEvents::iid, "b");
  auto so = Advise(other, Office::CommandBarButtonEvents::iid, "other");

  const auto outcome = ClickControl(set, ModelTagged(u"shared", 1));
  EXPECT_EQ(outcome.sinksCalled, 2u);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].sink, "b");  // the clicked control's own sinks first
  EXPECT_EQ(calls[1].sink, "a");
  for (const auto& call : calls) {
    SCOPED_TRACE(call.sink);
    EXPECT_EQ(call.id, 1);
    ASSERT_EQ(call.rgvarg.size(), 2u);  // last-first: CancelDefault, Ctrl
    EXPECT_EQ(call.types[0], VT_BOOL | VT_BYREF);
    EXPECT_EQ(call.types[1], VT_DISPATCH);
    EXPECT_EQ(CaptionOf(call.rgvarg[1]), u"B");
  }
  calls.clear();
  EXPECT_EQ(ClickControl(set, ModelTagged(u"other")).sinksCalled, 1u);
  EXPECT_EQ(calls.at(0).sink, "other");
}

TEST_F(ControlEventsTest, CancelDefaultIsReadBackAndSeenByLaterSinks) {
  com::Dispatch a = AddButton(u"One", u"t");
  com::Dispatch b = AddButton(u"Two", u"t");
  a.Put(u"OnAction", Variant(u"Macro1"));
  auto sa = Advise(a, Office::CommandBarButtonEvents::iid, "a");
  auto sb = Advise(b, Office::CommandBarButtonEvents::iid, "b");

  auto outcome = ClickControl(set, ModelTagged(u"t"));
  EXPECT_FALSE(outcome.cancelDefault);
  EXPECT_TRUE(outcome.defaultRan);
  EXPECT_EQ(Instrumentation::Instance().log().Matching("OnAction"), std::vector<std::string>{"OnAction Macro1"});

  calls.clear();
  sa.sink->WriteRef(0, true);
  outcome = ClickControl(set, ModelTagged(u"t"));
  EXPECT_TRUE(outcome.cancelDefault);
  EXPECT_FALSE(outcome.defaultRan);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_FALSE(calls[0].rgvarg[0].ToBool());
  EXPECT_TRUE(calls[1].rgvarg[0].ToBool());  // b saw what a wrote
}

TEST_F(ControlEventsTest, ExecuteAndEmptyTagsClickOnlyTheControl) {
  com::Dispatch a = AddButton(u"One", u"");
  com::Dispatch b = AddButton(u"Two", u"");
  auto sa = Advise(a, Office::CommandBarButtonEvents::iid, "a");
  auto sb = Advise(b, Office::CommandBarButtonEvents::iid, "b");
  a.Call(0x6004000C);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].sink, "a");
}

TEST_F(ControlEventsTest, CtrlIsHeldDownOnlyThroughAClickThatAsksForIt) {
  com::Dispatch a = AddButton(u"One", u"k");
  std::vector<bool> seen;
  auto container = a.object().try_query<IConnectionPointContainer>();
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(container->FindConnectionPoint(Office::CommandBarButtonEvents::iid, point.put()), S_OK);
  auto sink = com::Make<KeyStateSink>(seen);
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(sink.get(), &cookie), S_OK);
  for (const bool held : {false, true, false}) ClickControl(set, ModelTagged(u"k"), held);
  EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(input::IsKeyDown(VK_CONTROL));
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
}

TEST_F(ControlEventsTest, BoxesRaiseChangeOnTheirOwnInterface) {
  com::Dispatch bar = Of(bars.Call(u"Add", {Variant(u"Boxes")}));
  com::Dispatch box = Of(Of(bar.Get(u"Controls")).Call(u"Add", {Variant(Office::msoControlEdit)}));
  box.Put(u"Tag", Variant(u"box"));
  auto container = box.object().try_query<IConnectionPointContainer>();
  ComPtr<IConnectionPoint> wrong;
  EXPECT_EQ(container->FindConnectionPoint(Office::CommandBarButtonEvents::iid, wrong.put()), CONNECT_E_NOCONNECTION);
  auto advised = Advise(box, Office::CommandBarComboBoxEvents::iid, "box");

  EXPECT_EQ(ChangeControlText(set, ModelTagged(u"box"), u"typed"), 1u);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].id, 1);
  ASSERT_EQ(calls[0].rgvarg.size(), 1u);
  EXPECT_EQ(com::Dispatch(calls[0].rgvarg[0].ToDispatch()).Get(u"Text").ToText(), u"typed");
  EXPECT_THROW(ClickControl(set, ModelTagged(u"box")), OfficeError);
}

TEST_F(ControlEventsTest, EverythingIsReleasedAfterAScenario) {
  {
    com::Dispatch a = AddButton(u"One", u"r");
    com::Dispatch b = AddButton(u"Two", u"r");
    auto sa = Advise(a, Office::CommandBarButtonEvents::iid, "a");
    auto sb = Advise(b, Office::CommandBarButtonEvents::iid, "b");
    ClickControl(set, ModelTagged(u"r"));
    EXPECT_EQ(Instrumentation::Instance().AdvisedSinks(), 2);
    EXPECT_EQ(sa.point->Unadvise(sa.cookie), S_OK);
    // A deleted control lets its sinks go; its point then knows no cookie.
    b.Call(u"Delete");
    EXPECT_EQ(sb.point->Unadvise(sb.cookie), CONNECT_E_NOCONNECTION);
    for (auto* sink : {sa.sink.get(), sb.sink.get()}) {
      sink->AddRef();
      EXPECT_EQ(sink->Release(), 1u);
    }
    calls.clear();
  }
  for (const char16_t* type : {u"CommandBars", u"CommandBar", u"CommandBarControls", u"CommandBarButton"}) {
    SCOPED_TRACE(com::Utf16ToUtf8(type));
    EXPECT_EQ(Instrumentation::Instance().LiveObjects(type), type == std::u16string_view(u"CommandBars") ? 1 : 0);
  }
  EXPECT_EQ(Instrumentation::Instance().AdvisedSinks(), 0) << Instrumentation::Instance().LiveReport();
}

}  // namespace
}  // namespace corvane::sim::office::testing
