// The click sink of a command bar button against the simulated Office: the
// interfaces and names it answers, the click of the right control reaching
// the item, the tag check, a stale reference re-bound, re-entrant clicks
// dropped, exceptions to HandleError, and disconnection.
#include <gtest/gtest.h>

#include <functional>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/commandbars/TkvxEventSink.h"
#include "framework/events/EventArguments.h"
#include "published/Office.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/UserActions.h"
#include "sim/office/objects/Clicks.h"
#include "tests/framework/events/EventsFixture.h"

namespace corvane::framework::testing {
namespace {

using com::ComPtr;
using com::Dispatch;
using com::Variant;

constexpr DISPID kControlsAdd = 0x60030000;

// A button whose binding keeps no sink of its own: the one sink these tests
// advise themselves is the only one listening.
class TSinklessButton : public TkvxCommandBarButton {
 public:
  using TkvxCommandBarButton::TkvxCommandBarButton;
  void AttachHostControl(ComPtr<IDispatch> Control) override {
    TkvxCommandBarControl::AttachHostControl(std::move(Control));
  }
};

class EventSinkTest : public ::testing::Test {
 protected:
  EventSinkTest() {
    sim::Instrumentation::Instance().Reset();
    item.SetCaption(u"Item");
    item.OnClick = [this](TObject* Sender) {
      EXPECT_EQ(Sender, &item);
      ++clicks;
      if (duringClick) duringClick();
    };
  }
  ~EventSinkTest() override {
    if (sink) sink->DisconnectSink();
  }

  // A new host control of that type on a bar of its own, tagged.
  ComPtr<IDispatch> AddControl(int32_t type, std::u16string_view tag, const char16_t* bar = u"Sink Test") {
    Dispatch bars(Dispatch(run.application).Get(u"CommandBars").ToDispatch());
    ComPtr<IDispatch> found;
    try {
      found = bars.Get(Office::CommandBars::Item, {Variant(bar)}).ToDispatch();
    } catch (const com::ComError&) {
      found = bars.Call(Office::CommandBars::Add, {Variant(bar)}).ToDispatch();
    }
    Dispatch controls(Dispatch(found).Get(Office::CommandBar::Controls).ToDispatch());
    Dispatch control(controls.Call(kControlsAdd, {Variant(type)}).ToDispatch());
    control.Put(Office::CommandBarControl::Tag, Variant(tag));
    return control.object();
  }
  // The item bound to a new tagged button, with its sink advised.
  void Bind() {
    item.AttachHostControl(AddControl(Office::msoControlButton, item.OfficeTag()));
    sink = TkvxEventSink::Create(module, item);
  }
  std::shared_ptr<sim::office::CommandBarSet> Bars() { return sim::office::OfficeOf(run)->bars(); }
  sim::office::ClickOutcome UserClicks(size_t n = 0) {
    return sim::office::ClickControl(Bars(), Bars()->ControlsTagged(item.OfficeTag()).at(n));
  }
  // The sink called directly with a control as Ctrl, as Office would.
  HRESULT Deliver(const ComPtr<IDispatch>& control, DISPID id = 1) {
    VARIANT_BOOL cancel = VARIANT_FALSE;
    std::vector<Variant> owned = {Variant::RefTo(&cancel), Variant(control)};
    std::vector<VARIANT> raw = {*owned[0].get(), *owned[1].get()};
    DISPPARAMS params{raw.data(), nullptr, 2, 0};
    return sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  }
  HRESULT NameLookup(std::vector<const char16_t*> names) {
    std::vector<std::vector<OLECHAR>> storage;
    std::vector<LPOLESTR> pointers;
    for (const char16_t* name : names) {
      storage.emplace_back(name, name + std::char_traits<char16_t>::length(name) + 1);
    }
    for (auto& s : storage) pointers.push_back(s.data());
    const UINT count = static_cast<UINT>(pointers.size());
    pointers.push_back(nullptr);  // never null itself, even for no names
    lookedUp = -1;
    return sink->GetIDsOfNames(IID_NULL, pointers.data(), count, 0, &lookedUp);
  }

  registry::ScratchRegistry scratch;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
  sim::excel::ExcelRun run = sim::excel::StartExcel();
  TTestModule module;
  ErrorLog errors{module};
  TkvxCommandBar* bar = new TkvxCommandBar(&module);
  TSinklessButton item{bar->Controls()};
  ComPtr<TkvxEventSink> sink;
  int clicks = 0;
  std::function<void()> duringClick;
  DISPID lookedUp = -1;
};

TEST_F(EventSinkTest, ItAnswersTheControlEventInterfacesButNotIDispatch) {
  Bind();
  struct Case {
    IID iid;
    HRESULT expected;
  } cases[] = {
      {IID_IUnknown, S_OK},
      {Office::CommandBarButtonEvents::iid, S_OK},
      {Office::CommandBarComboBoxEvents::iid, S_OK},
      {IID_IDispatch, E_NOINTERFACE},
      {Office::CommandBarButton::iid, E_NOINTERFACE},
  };
  for (const Case& c : cases) {
    ComPtr<IUnknown> got;
    EXPECT_EQ(sink->QueryInterface(c.iid, got.put_void()), c.expected);
    EXPECT_EQ(got.get() != nullptr, c.expected == S_OK);
  }
  ComPtr<IUnknown> button;
  ComPtr<IUnknown> box;
  sink->QueryInterface(Office::CommandBarButtonEvents::iid, button.put_void());
  sink->QueryInterface(Office::CommandBarComboBoxEvents::iid, box.put_void());
  EXPECT_EQ(button.get(), box.get());
  UINT count = 5;
  EXPECT_EQ(sink->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
  ITypeInfo* info = nullptr;
  EXPECT_EQ(sink->GetTypeInfo(0, 0, &info), E_NOTIMPL);
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 1);
}

TEST_F(EventSinkTest, NameLookupKnowsOnlyTheEventOfTheControlsType) {
  Bind();
  struct Case {
    std::vector<const char16_t*> names;
    HRESULT expected;
  } onButton[] = {
      {{u"Click"}, S_OK},
      {{u"click"}, DISP_E_UNKNOWNNAME},
      {{u"CLICK"}, DISP_E_UNKNOWNNAME},
      {{u"Change"}, DISP_E_UNKNOWNNAME},
      {{u"Click", u"Ctrl"}, E_INVALIDARG},
      {{}, E_INVALIDARG},
  };
  for (const Case& c : onButton) {
    SCOPED_TRACE(c.names.empty() ? "none" : com::Utf16ToUtf8(c.names[0]));
    EXPECT_EQ(NameLookup(c.names), c.expected);
    EXPECT_EQ(lookedUp, c.expected == S_OK ? 1 : -1);
  }
  DISPID id = 0;
  EXPECT_EQ(sink->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &id), E_POINTER);
  LPOLESTR none[] = {nullptr};
  EXPECT_EQ(sink->GetIDsOfNames(IID_NULL, none, 1, 0, nullptr), E_POINTER);

  // An edit box knows Change alone.
  item.AttachHostControl(AddControl(Office::msoControlEdit, u"box"));
  EXPECT_EQ(NameLookup({u"Change"}), S_OK);
  EXPECT_EQ(lookedUp, 1);
  EXPECT_EQ(NameLookup({u"Click"}), DISP_E_UNKNOWNNAME);
}

TEST_F(EventSinkTest, AUsersClickReachesTheItemAndLeavesCancelDefaultAlone) {
  Bind();
  sim::Instrumentation::Instance().Reset();
  const auto outcome = UserClicks();
  // The click path calls the control by its DISPIDs alone.
  for (const char16_t* name : {u"Tag", u"HelpFile", u"Type"}) {
    EXPECT_EQ(sim::Instrumentation::Instance().NameLookups(u"CommandBarButton", name), 0u);
  }
  EXPECT_EQ(sim::Instrumentation::Instance().Calls(u"CommandBarButton", u"Tag"), 1u);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(outcome.sinksCalled, 1u);
  EXPECT_FALSE(outcome.cancelDefault);
  EXPECT_TRUE(errors.messages.empty());
  EXPECT_EQ(Deliver(item.HostControl(), 2), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), E_POINTER);
  EXPECT_EQ(clicks, 1);
}

TEST_F(EventSinkTest, AnEventOfAnotherControlLeavesTheItemUntouched) {
  Bind();
  const ComPtr<IDispatch> held = item.HostControl();
  EXPECT_EQ(Deliver(AddControl(Office::msoControlButton, u"{someone else}")), S_OK);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(item.HostControl(), held);
  // No arguments, or no control as the first, is no event of this item either.
  DISPPARAMS empty{nullptr, nullptr, 0, 0};
  EXPECT_EQ(sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &empty, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(clicks, 0);
}

TEST_F(EventSinkTest, AStaleReferenceIsReboundToTheControlThatFired) {
  Bind();
  // A second control with the item's tag that the item was bound to, and
  // that the user then deleted: the item's reference is stale.
  item.AttachHostControl(AddControl(Office::msoControlButton, item.OfficeTag(), u"Other Bar"));
  ASSERT_TRUE(sim::office::DeleteControlByUser(*Bars()->ControlsTagged(item.OfficeTag()).at(1)));

  EXPECT_EQ(UserClicks().sinksCalled, 1u);
  EXPECT_EQ(clicks, 1);
  ASSERT_TRUE(item.HostControl());
  EXPECT_EQ(Dispatch(item.HostControl()).Get(Office::CommandBarControl::Tag).ToText(), item.OfficeTag());
  ComPtr<IUnknown> button;
  EXPECT_EQ(item.HostControl()->QueryInterface(Office::CommandBarButton::iid, button.put_void()), S_OK);
  EXPECT_TRUE(errors.messages.empty());
}

TEST_F(EventSinkTest, AStaleReferenceThatCannotBeReboundGoesToHandleError) {
  Bind();
  // The item's reference goes stale and the control that fires carries the
  // item's tag but is no button.
  const ComPtr<IDispatch> box = AddControl(Office::msoControlEdit, item.OfficeTag(), u"Other Bar");
  ASSERT_TRUE(sim::office::DeleteControlByUser(*Bars()->ControlsTagged(item.OfficeTag()).at(0)));
  EXPECT_EQ(Deliver(box), S_OK);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(errors.messages.size(), 1u);
  EXPECT_FALSE(sink->Busy());
}

TEST_F(EventSinkTest, AClickArrivingDuringTheClickIsDropped) {
  Bind();
  bool busyInside = false;
  HRESULT inner = E_FAIL;
  duringClick = [&] {
    busyInside = sink->Busy();
    inner = Deliver(item.HostControl());
  };
  UserClicks();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(busyInside);
  EXPECT_EQ(inner, S_OK);
  EXPECT_FALSE(sink->Busy());
  duringClick = nullptr;
  UserClicks();
  EXPECT_EQ(clicks, 2);
}

TEST_F(EventSinkTest, AThrowingHandlerReachesHandleErrorAndTheNextClickWorks) {
  Bind();
  duringClick = [] { throw com::ComError(E_FAIL, u"click handler failed"); };
  EXPECT_EQ(UserClicks().sinksCalled, 1u);
  EXPECT_EQ(errors.messages, std::vector<std::string>{"click handler failed"});
  EXPECT_FALSE(sink->Busy());
  duringClick = nullptr;
  UserClicks();
  EXPECT_EQ(clicks, 2);
}

TEST_F(EventSinkTest, AHostFailureReadingTheTagGoesToHandleError) {
  Bind();
  sim::Instrumentation::Instance().FailMember(u"CommandBarButton", u"Tag", E_FAIL, u"Tag refused");
  EXPECT_EQ(UserClicks().sinksCalled, 1u);
  sim::Instrumentation::Instance().ClearFaults();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(errors.messages.size(), 1u);
}

TEST_F(EventSinkTest, ADisconnectedSinkHearsNothingMore) {
  Bind();
  EXPECT_NE(sink->Cookie(), 0u);
  sink->DisconnectSink();
  EXPECT_EQ(sink->Cookie(), 0u);
  EXPECT_EQ(sink->Item(), nullptr);
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 0);
  EXPECT_EQ(UserClicks().sinksCalled, 0u);
  EXPECT_EQ(Deliver(item.HostControl()), S_OK);
  EXPECT_EQ(NameLookup({u"Click"}), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(clicks, 0);
}

TEST_F(EventSinkTest, ABoxItemsSinkIsAdvisedOnChange) {
  item.AttachHostControl(AddControl(Office::msoControlComboBox, item.OfficeTag()));
  sink = TkvxEventSink::Create(module, item);
  EXPECT_NE(sink->Cookie(), 0u);
  EXPECT_EQ(sim::office::ChangeControlText(Bars(), Bars()->ControlsTagged(item.OfficeTag()).at(0), u"typed"), 1u);
  EXPECT_EQ(clicks, 1);
  // Unadvised from the interface it was advised on, though the item is a button.
  sink->DisconnectSink();
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 0);
  sink = nullptr;
  // A host control that offers no events cannot be advised: the creator hears of it.
  item.AttachHostControl(AddControl(10, u"popup"));  // msoControlPopup
  EXPECT_THROW(TkvxEventSink::Create(module, item), com::ComError);
  item.AttachHostControl(nullptr);
  EXPECT_THROW(TkvxEventSink::Create(module, item), com::ComError);
}

}  // namespace
}  // namespace corvane::framework::testing
