// The event component base and its dispatcher, called as a host calls them:
// the owner rule, the interfaces and counts, argument order with and
// without named arguments, by-reference write-back, the results the
// dispatcher leaves alone, exceptions to HandleError, and a dispatcher that
// outlives its component.
#include <gtest/gtest.h>

#include <functional>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/events/TkvxCustomEvents.h"
#include "framework/events/TkvxEventDispatch.h"
#include "tests/framework/events/EventsFixture.h"

namespace corvane::framework::testing {
namespace {

using com::ComPtr;
using com::Variant;

constexpr IID kTestEventsIid = {0x5D1C0A11, 0x7E2B, 0x4C6A, {0x9F, 0x10, 0x2B, 0x63, 0x8E, 0x44, 0xA1, 0x07}};

TkvxServerData& TestServerData() {
  static TkvxServerData data{IID_NULL, IID_IDispatch, kTestEventsIid};
  return data;
}

// Records each call; a test may give it what to do with the arguments.
class TRecordingEvents : public TkvxCustomEvents {
 public:
  explicit TRecordingEvents(TComponent* Owner, bool ownsSubSinks = false)
      : TkvxCustomEvents(Owner, TestServerData(), "TRecordingEvents"), ownsSubSinks_(ownsSubSinks) {}
  std::string_view ClassName() const override { return "TRecordingEvents"; }

  void InvokeEvent(DISPID DispID, std::vector<Variant>& Params) override {
    ids.push_back(DispID);
    texts.clear();
    for (const auto& p : Params) texts.push_back(p.type() == VT_BSTR ? com::Utf16ToUtf8(p.ToText()) : "?");
    if (onInvoke) onInvoke(Params);
  }

  std::vector<DISPID> ids;
  std::vector<std::string> texts;  // the last call's arguments, natural order
  std::function<void(std::vector<Variant>&)> onInvoke;

 protected:
  bool OwnsSubSinks() const override { return ownsSubSinks_; }

 private:
  bool ownsSubSinks_;
};

class EventDispatchTest : public ::testing::Test {
 protected:
  HRESULT Call(DISPID id, std::vector<VARIANT>& lastFirst, std::vector<DISPID> named = {}) {
    DISPPARAMS params{lastFirst.data(), named.empty() ? nullptr : named.data(), static_cast<UINT>(lastFirst.size()),
                      static_cast<UINT>(named.size())};
    return events->Dispatcher().Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  }
  static std::vector<VARIANT> Texts(std::vector<Variant>& owned) {
    std::vector<VARIANT> raw;
    for (auto& v : owned) raw.push_back(*v.get());
    return raw;
  }

  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
  TTestModule module;
  ErrorLog errors{module};
  TRecordingEvents* events = new TRecordingEvents(&module);
};

TEST_F(EventDispatchTest, OnlyTheModuleOrASinkContainerMayOwnAComponent) {
  struct Case {
    const char* what;
    std::function<TComponent*()> owner;
    const char* message;  // empty: accepted
  };
  TkvxCommandBar* bar = new TkvxCommandBar(&module);
  TRecordingEvents* container = new TRecordingEvents(&module, true);
  const Case cases[] = {
      {"module", [&] { return &module; }, ""},
      {"sub-sink", [&] { return container; }, ""},
      {"no owner", [] { return nullptr; }, "The TRecordingEvents class can not be contained in the nil class."},
      {"bar", [&] { return bar; }, "The TRecordingEvents class can not be contained in the TkvxCommandBar class."},
      {"plain component", [&] { return events; },
       "The TRecordingEvents class can not be contained in the TRecordingEvents class."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int32_t before = TestServerData().InstanceCount;
    TComponent* owner = c.owner();
    const size_t owned = owner ? owner->ComponentCount() : 0;
    try {
      auto* made = new TRecordingEvents(owner);
      EXPECT_STREQ(c.message, "");
      EXPECT_EQ(&made->Module(), &module);
      EXPECT_EQ(TestServerData().InstanceCount, before + 1);
      delete made;
    } catch (const com::ComError& error) {
      EXPECT_EQ(error.code(), 31113);
      EXPECT_EQ(com::Utf16ToUtf8(error.description()), c.message);
      if (owner) {
        EXPECT_EQ(owner->ComponentCount(), owned);
      }
    }
    EXPECT_EQ(TestServerData().InstanceCount, before);
  }
}

TEST_F(EventDispatchTest, TheDispatcherAnswersItsInterfacesAndCountsOnTheComponent) {
  TkvxEventDispatch& dispatch = events->Dispatcher();
  const IID answered[] = {IID_IUnknown, IID_IDispatch, kTestEventsIid};
  for (const IID& iid : answered) {
    ComPtr<IUnknown> got;
    ASSERT_EQ(dispatch.QueryInterface(iid, got.put_void()), S_OK);
    EXPECT_EQ(static_cast<void*>(got.get()), static_cast<void*>(static_cast<IDispatch*>(&dispatch)));
    EXPECT_EQ(events->RefCount(), 1u);  // the reference got holds
  }
  ComPtr<IUnknown> none;
  EXPECT_EQ(dispatch.QueryInterface(IID_IConnectionPoint, none.put_void()), E_NOINTERFACE);
  EXPECT_EQ(events->RefCount(), 0u);

  // The component's own IUnknown counts and frees nothing.
  EXPECT_EQ(events->QueryInterface(IID_IDispatch, none.put_void()), E_NOINTERFACE);
  ASSERT_EQ(events->QueryInterface(IID_IUnknown, none.put_void()), S_OK);
  EXPECT_EQ(events->AddRef(), 2u);
  EXPECT_EQ(events->Release(), 1u);
  none.reset();
  EXPECT_EQ(events->RefCount(), 0u);
}

TEST_F(EventDispatchTest, TypeInformationAndNamesAreNotOffered) {
  TkvxEventDispatch& dispatch = events->Dispatcher();
  UINT count = 7;
  EXPECT_EQ(dispatch.GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
  ITypeInfo* info = reinterpret_cast<ITypeInfo*>(&count);
  EXPECT_EQ(dispatch.GetTypeInfo(0, 0, &info), E_NOTIMPL);
  EXPECT_EQ(info, nullptr);
  OLECHAR name[] = {'E', 'v', 0};
  LPOLESTR names[] = {name};
  DISPID id = 0;
  EXPECT_EQ(dispatch.GetIDsOfNames(IID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST_F(EventDispatchTest, ArgumentsArriveInNaturalOrder) {
  struct Case {
    const char* what;
    std::vector<DISPID> named;  // for the first rgvarg entries
    std::vector<std::string> expected;
  };
  // rgvarg holds "a", "b", "c" in that order.
  const Case cases[] = {
      {"positional, last-first", {}, {"c", "b", "a"}},
      {"all named", {1, 2, 0}, {"c", "a", "b"}},
      {"one named, the rest positional", {2}, {"c", "b", "a"}},
      {"a named index outside the list is dropped", {7}, {"c", "b", "?"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<Variant> owned = {Variant(u"a"), Variant(u"b"), Variant(u"c")};
    auto raw = Texts(owned);
    EXPECT_EQ(Call(0x42, raw, c.named), S_OK);
    EXPECT_EQ(events->texts, c.expected);
  }
  std::vector<VARIANT> none;
  EXPECT_EQ(Call(0x43, none), S_OK);
  EXPECT_EQ(events->ids, (std::vector<DISPID>{0x42, 0x42, 0x42, 0x42, 0x43}));
  EXPECT_TRUE(events->texts.empty());
  EXPECT_EQ(events->Dispatcher().Invoke(0x44, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(events->ids.back(), 0x44);
}

TEST_F(EventDispatchTest, ByReferenceArgumentsCarryTheHandlersValuesBack) {
  VARIANT_BOOL cancel = VARIANT_FALSE;
  VARIANT text;
  VariantInit(&text);
  std::vector<Variant> owned = {Variant::RefTo(&cancel), Variant::RefTo(&text), Variant(u"by value")};
  events->onInvoke = [](std::vector<Variant>& params) {
    *params[2].get()->pboolVal = VARIANT_TRUE;  // through the reference
    params[1] = Variant(u"stored");             // a value in its place
    params[0] = Variant(u"changed");            // by value: stays local
  };
  auto raw = Texts(owned);
  EXPECT_EQ(Call(0x50, raw), S_OK);
  EXPECT_EQ(cancel, VARIANT_TRUE);
  EXPECT_EQ(com::Variant::CopyOf(text).ToText(), u"stored");
  EXPECT_EQ(raw[0].vt, VT_BOOL | VT_BYREF);
  EXPECT_EQ(raw[0].pboolVal, &cancel);
  EXPECT_EQ(com::ToText(raw[2]), u"by value");
  VariantClear(&text);
}

TEST_F(EventDispatchTest, AnExceptionGoesToHandleErrorAndTheResultsStayUntouched) {
  VARIANT_BOOL cancel = VARIANT_FALSE;
  std::vector<Variant> owned = {Variant::RefTo(&cancel)};
  events->onInvoke = [](std::vector<Variant>& params) {
    *params[0].get()->pboolVal = VARIANT_TRUE;
    throw com::ComError(E_FAIL, u"handler failed");
  };
  auto raw = Texts(owned);
  DISPPARAMS params{raw.data(), nullptr, 1, 0};
  Variant result(42);
  EXCEPINFO info{};
  info.scode = 7;
  UINT argErr = 9;
  EXPECT_EQ(events->Dispatcher().Invoke(0x51, IID_NULL, 0, DISPATCH_METHOD, &params, result.get(), &info, &argErr),
            S_OK);
  EXPECT_EQ(errors.messages, std::vector<std::string>{"handler failed"});
  EXPECT_EQ(cancel, VARIANT_TRUE);
  EXPECT_EQ(result.ToInt32(), 42);
  EXPECT_EQ(info.scode, 7);
  EXPECT_EQ(argErr, 9u);
}

TEST_F(EventDispatchTest, ADispatcherTheHostStillHoldsOutlivesItsComponentDetached) {
  ComPtr<IDispatch> held(&events->Dispatcher());
  EXPECT_EQ(events->RefCount(), 1u);
  int calls = 0;
  events->onInvoke = [&](std::vector<Variant>&) { ++calls; };
  const int32_t before = TestServerData().InstanceCount;
  delete events;
  events = nullptr;
  EXPECT_EQ(TestServerData().InstanceCount, before - 1);

  VARIANT_BOOL cancel = VARIANT_FALSE;
  std::vector<Variant> owned = {Variant::RefTo(&cancel)};
  auto raw = Texts(owned);
  DISPPARAMS params{raw.data(), nullptr, 1, 0};
  EXPECT_EQ(held->Invoke(0x52, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(cancel, VARIANT_FALSE);
  ComPtr<IUnknown> asEvents;
  EXPECT_EQ(held->QueryInterface(kTestEventsIid, asEvents.put_void()), S_OK);
  // Letting go of the last references frees it (the leak checker watches).
}

TEST_F(EventDispatchTest, AHostWithoutConnectionPointsConnectsWithCookieZero) {
  sim::Instrumentation::Instance().Reset();
  sim::excel::ExcelRun run = sim::excel::StartExcel();
  const ComPtr<IDispatch> workbook = com::Dispatch(run.application).Call(0x23C).ToDispatch();  // Workbooks
  events->ConnectTo(workbook.get());  // any IDispatch answers this test's record
  EXPECT_TRUE(events->Connected());
  EXPECT_EQ(events->Cookie(), 0u);
  events->Disconnect();
  EXPECT_FALSE(events->Connected());
  EXPECT_THROW(events->ConnectTo(nullptr), com::ComError);
}

}  // namespace
}  // namespace corvane::framework::testing
