// The dispatch base as a client sees it: members by DISPID and by name,
// the invoke flags the host accepts, arguments, and the host's errors.
#include <gtest/gtest.h>

#include "platform/com/Bstr.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"
#include "sim/core/HostError.h"
#include "tests/sim/core/Widget.h"

namespace corvane::sim::testing {
namespace {

using com::ComPtr;
using com::Variant;

class SimDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override { Instrumentation::Instance().Reset(); }
  void TearDown() override { Instrumentation::Instance().Reset(); }

  // A raw Invoke with arguments in natural order (reversed here).
  HRESULT Invoke(DISPID id, WORD flags, std::vector<Variant> args, Variant* result = nullptr, bool named = false) {
    std::vector<VARIANT> rgvarg(args.size());
    for (size_t i = 0; i < args.size(); ++i) rgvarg[args.size() - 1 - i] = *args[i].get();
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{rgvarg.data(), named ? &put : nullptr, static_cast<UINT>(args.size()), named ? 1u : 0u};
    Variant ignored;
    error_ = {};
    argError_ = 99;
    const HRESULT hr = widget_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                       (result ? result : &ignored)->put(), &error_, &argError_);
    description_ = com::Bstr::attach(error_.bstrDescription).str();
    source_ = com::Bstr::attach(error_.bstrSource).str();
    com::Bstr::attach(error_.bstrHelpFile);
    return hr;
  }

  std::shared_ptr<WidgetModel> model_ = std::make_shared<WidgetModel>();
  ComPtr<Widget> widget_ = com::Make<Widget>(model_);
  EXCEPINFO error_{};
  UINT argError_ = 0;
  std::u16string description_;
  std::u16string source_;
};

DISPID IdOf(IDispatch* object, const char16_t* name, HRESULT* hr) {
  std::u16string text(name);
  LPOLESTR names[] = {com::ole_mutable(text)};
  DISPID id = 12345;
  *hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

TEST_F(SimDispatchTest, NamesResolveCaseInsensitivelyAndUnknownOnesFail) {
  struct Case {
    const char16_t* name;
    HRESULT hr;
    DISPID id;
  } cases[] = {
      {u"Name", S_OK, 0x6E},
      {u"NAME", S_OK, 0x6E},
      {u"size", S_OK, 0xC1},
      {u"gRoW", S_OK, 0xEB},
      {u"Grows", DISP_E_UNKNOWNNAME, DISPID_UNKNOWN},
      {u"", DISP_E_UNKNOWNNAME, DISPID_UNKNOWN},
  };
  for (const auto& c : cases) {
    HRESULT hr = E_FAIL;
    const DISPID id = IdOf(widget_.get(), c.name, &hr);
    EXPECT_EQ(hr, c.hr) << com::Utf16ToUtf8(c.name);
    EXPECT_EQ(id, c.id) << com::Utf16ToUtf8(c.name);
  }
  // Lookups are counted under the member's own spelling, apart from calls.
  auto& counts = Instrumentation::Instance();
  EXPECT_EQ(counts.NameLookups(u"Widget", u"Name"), 2u);
  EXPECT_EQ(counts.NameLookups(u"Widget", u"Grows"), 1u);
  EXPECT_EQ(counts.HostCalls(), 0u);
}

TEST_F(SimDispatchTest, ParameterNamesAreNotKnown) {
  std::u16string member(u"Grow"), parameter(u"By");
  LPOLESTR names[] = {com::ole_mutable(member), com::ole_mutable(parameter)};
  DISPID ids[2] = {0, 0};
  EXPECT_EQ(widget_->GetIDsOfNames(IID_NULL, names, 2, LOCALE_USER_DEFAULT, ids), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids[0], 0xEB);
  EXPECT_EQ(ids[1], DISPID_UNKNOWN);
  EXPECT_EQ(widget_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, nullptr), E_POINTER);
}

TEST_F(SimDispatchTest, FlagsReachTheRightHalfOfEachMember) {
  constexpr WORD kBoth = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
  struct Case {
    DISPID id;
    WORD flags;
    HRESULT hr;
  } cases[] = {
      {0x6E, DISPATCH_PROPERTYGET, S_OK},
      {0x6E, DISPATCH_METHOD, S_OK},
      {0x6E, kBoth, S_OK},
      {0x6E, DISPATCH_PROPERTYPUT, DISP_E_MEMBERNOTFOUND},  // read-only
      {0xEB, DISPATCH_METHOD, S_OK},
      {0xEB, DISPATCH_PROPERTYGET, S_OK},
      {0xEB, kBoth, S_OK},
      {0xEB, DISPATCH_PROPERTYPUT, DISP_E_MEMBERNOTFOUND},  // a method takes no put
      {0x999, kBoth, DISP_E_MEMBERNOTFOUND},
      {0x6E, 0, DISP_E_MEMBERNOTFOUND},
  };
  for (const auto& c : cases) {
    std::vector<Variant> args;
    if (c.id == 0xEB) args.emplace_back(1);
    if (c.flags == DISPATCH_PROPERTYPUT) args.emplace_back(5);
    EXPECT_EQ(Invoke(c.id, c.flags, args, nullptr, c.flags == DISPATCH_PROPERTYPUT), c.hr)
        << std::hex << c.id << " flags " << c.flags;
  }
}

TEST_F(SimDispatchTest, GetPutAndMethodThroughTheDispatchHelper) {
  com::Dispatch widget(ComPtr<IDispatch>(widget_.get()));
  EXPECT_EQ(widget.Get(u"Name").ToText(), u"W1");
  widget.Put(u"Size", 20);
  EXPECT_EQ(model_->size, 20);
  EXPECT_EQ(widget.Get(0xC1).ToInt32(), 20);
  EXPECT_EQ(widget.Call(u"Grow", {3, 2}).ToInt32(), 26);
  // The optional second argument omitted, then left out altogether.
  EXPECT_EQ(widget.Call(0xEB, {Variant(4), Variant::Omitted()}).ToInt32(), 30);
  EXPECT_EQ(widget.Call(0xEB, {1}).ToInt32(), 31);
  EXPECT_EQ(Instrumentation::Instance().Calls(u"Widget", u"Grow"), 3u);
}

TEST_F(SimDispatchTest, ArgumentFaultsNameTheArgument) {
  // Grow's By is the last of two in rgvarg order: index 1.
  EXPECT_EQ(Invoke(0xEB, DISPATCH_METHOD, {Variant::Omitted(), Variant(2)}), DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(argError_, 1u);
  EXPECT_EQ(Invoke(0xEB, DISPATCH_METHOD, {Variant(u"many")}), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(argError_, 0u);
  EXPECT_EQ(Invoke(0xEB, DISPATCH_METHOD, {}), DISP_E_PARAMNOTFOUND);
  // A put must name its value; a get or method takes no named argument.
  EXPECT_EQ(Invoke(0xC1, DISPATCH_PROPERTYPUT, {Variant(3)}), DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(Invoke(0x6E, DISPATCH_PROPERTYGET, {Variant(3)}, nullptr, true), DISP_E_NONAMEDARGS);
  EXPECT_EQ(model_->size, 10);
}

TEST_F(SimDispatchTest, HostErrorsArriveAsExceptionsWithTheirText) {
  EXPECT_EQ(Invoke(0xC1, DISPATCH_PROPERTYPUT, {Variant(-1)}, nullptr, true), DISP_E_EXCEPTION);
  EXPECT_EQ(error_.scode, kExcelError);
  EXPECT_EQ(description_, u"Unable to set the Size property of the Widget class");
  EXPECT_EQ(source_, kExcelSource);
  EXPECT_EQ(model_->size, 10);

  EXPECT_EQ(Invoke(0x70, DISPATCH_METHOD, {}), DISP_E_EXCEPTION);
  EXPECT_EQ(error_.scode, static_cast<HRESULT>(0x800A0400));
  EXPECT_EQ(source_, u"Tester");

  com::Dispatch widget(ComPtr<IDispatch>(widget_.get()));
  try {
    widget.Call(u"Break");
    ADD_FAILURE() << "Break returned";
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.code(), static_cast<HRESULT>(0x800A0400));
    EXPECT_EQ(error.description(), u"Widget broke");
  }
}

TEST_F(SimDispatchTest, AWrapperWithoutItsModelIsDisconnected) {
  model_.reset();
  EXPECT_EQ(Invoke(0x6E, DISPATCH_PROPERTYGET, {}), kDisconnected);
  ComPtr<IConnectionPointContainer> container;
  EXPECT_EQ(widget_.query_to(container), E_NOINTERFACE);
}

TEST_F(SimDispatchTest, ByReferenceArgumentsAreWrittenBack) {
  Variant held(7);
  EXPECT_EQ(Invoke(0x71, DISPATCH_METHOD, {Variant::RefTo(held.get())}), S_OK);
  EXPECT_EQ(held.ToInt32(), 10);
  EXPECT_EQ(model_->size, 7);
  // By value there is nothing to write through.
  EXPECT_EQ(Invoke(0x71, DISPATCH_METHOD, {Variant(3)}), DISP_E_TYPEMISMATCH);
}

TEST_F(SimDispatchTest, InterfaceIdsAnswerWithTheDispatch) {
  ComPtr<IDispatch> dispatch = widget_.try_query<IDispatch>();
  ASSERT_TRUE(dispatch);
  void* asWidget = nullptr;
  ASSERT_EQ(widget_->QueryInterface(kWidgetIid, &asWidget), S_OK);
  EXPECT_EQ(asWidget, static_cast<void*>(dispatch.get()));
  static_cast<IUnknown*>(asWidget)->Release();
  EXPECT_TRUE(widget_.try_query<IConnectionPointContainer>());

  const auto plain = com::Make<Plain>();
  EXPECT_FALSE(plain.try_query<IConnectionPointContainer>());
  void* other = nullptr;
  EXPECT_EQ(plain->QueryInterface(kWidgetIid, &other), E_NOINTERFACE);
  UINT count = 9;
  EXPECT_EQ(plain->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
}

}  // namespace
// A get given more arguments than it takes hands the rest to its result's
// default member; anything else given too many is refused before it runs.
TEST_F(SimDispatchTest, SurplusArgumentsGoToTheDefaultMemberOfTheResult) {
  struct Case {
    const char* what;
    DISPID id;
    WORD flags;
    std::vector<Variant> args;
    HRESULT hr;
    int32_t value;  // the result, where it succeeds
  } cases[] = {
      {"the default member takes the surplus", 0x72, DISPATCH_PROPERTYGET, {Variant(3), Variant(5)}, S_OK, 5},
      {"as a method call too", 0x72, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {Variant(3), Variant(8)}, S_OK, 8},
      {"more than the default member takes",
       0x72,
       DISPATCH_PROPERTYGET,
       {Variant(3), Variant(5), Variant(6)},
       DISP_E_BADPARAMCOUNT,
       0},
      {"a result that is no object", 0x6E, DISPATCH_PROPERTYGET, {Variant(1)}, DISP_E_BADPARAMCOUNT, 0},
      {"a method", 0xEB, DISPATCH_METHOD, {Variant(1), Variant(1), Variant(1)}, DISP_E_BADPARAMCOUNT, 0},
  };
  for (const auto& c : cases) {
    Variant result;
    EXPECT_EQ(Invoke(c.id, c.flags, c.args, &result), c.hr) << c.what;
    if (c.hr == S_OK) {
      EXPECT_EQ(result.ToInt32(), c.value) << c.what;
    }
  }
  // Neither the refused method nor a put with an index it does not take
  // changed anything.
  EXPECT_EQ(Invoke(0xC1, DISPATCH_PROPERTYPUT, {Variant(1), Variant(4)}, nullptr, true), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(model_->size, 10);
  EXPECT_EQ(Instrumentation::Instance().Calls(u"Widget", u"Grow"), 0u);
  EXPECT_EQ(Instrumentation::Instance().Calls(u"Widget", u"Size"), 0u);
}

TEST_F(SimDispatchTest, ArgumentFaultsInAChainNameTheCallersArgument) {
  // rgvarg holds (8, "x") last-first: the member's own argument is index 1.
  EXPECT_EQ(Invoke(0x72, DISPATCH_PROPERTYGET, {Variant(u"x"), Variant(8)}), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(argError_, 1u);
  EXPECT_EQ(Invoke(0x72, DISPATCH_PROPERTYGET, {Variant(2), Variant(u"y")}), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(argError_, 0u);
}

// The member and the default member are host calls of their own, each
// counted and each open to an injected fault.
TEST_F(SimDispatchTest, AChainedCallCountsBothMembersAndEitherCanFail) {
  auto& counts = Instrumentation::Instance();
  EXPECT_EQ(Invoke(0x72, DISPATCH_PROPERTYGET, {Variant(1), Variant(2)}), S_OK);
  EXPECT_EQ(counts.Calls(u"Widget", u"Partner"), 1u);
  EXPECT_EQ(counts.Calls(u"Plain", u"Value"), 1u);
  EXPECT_EQ(counts.HostCalls(), 2u);

  constexpr HRESULT kFault = static_cast<HRESULT>(0x800A9999);
  for (const char16_t* member : {u"Partner", u"Value"}) {
    counts.ClearFaults();
    counts.FailMember(member == std::u16string_view(u"Value") ? u"Plain" : u"Widget", member, kFault, u"injected");
    EXPECT_EQ(Invoke(0x72, DISPATCH_PROPERTYGET, {Variant(1), Variant(2)}), DISP_E_EXCEPTION);
    EXPECT_EQ(error_.scode, kFault);
    EXPECT_EQ(description_, u"injected");
  }
  counts.ClearFaults();
}

}  // namespace corvane::sim::testing
