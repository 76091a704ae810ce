// The dispatch helper against an IDispatch that records what it is sent:
// DISPPARAMS layout, flags and locale, name caching per type, and errors
// carried from EXCEPINFO into the exception.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/ComError.h"
#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Text.h"

namespace {

using corvane::com::AsciiEqualNoCase;
using corvane::com::Bstr;
using corvane::com::ComError;
using corvane::com::ComObject;
using corvane::com::ComPtr;
using corvane::com::Dispatch;
using corvane::com::from_ole;
using corvane::com::Make;
using corvane::com::Variant;

constexpr DISPID kCaption = 1;
constexpr DISPID kAdd = 2;
constexpr DISPID kFail = 3;
constexpr DISPID kDeferred = 4;
constexpr DISPID kMissing = 5;
constexpr HRESULT kHostError = static_cast<HRESULT>(0x800A03ECu);

struct Name {
  const char16_t* name;
  DISPID id;
};
constexpr Name kNames[] = {{u"Caption", kCaption}, {u"Add", kAdd}, {u"Fail", kFail}, {u"Deferred", kDeferred}};

// Answers GetTypeAttr with a fixed GUID; nothing else is asked of it.
class TypeInfoStub : public ComObject<ITypeInfo> {
 public:
  explicit TypeInfoStub(const GUID& type) : type_(type) {}
  STDMETHODIMP GetTypeAttr(TYPEATTR** attributes) override {
    *attributes = new TYPEATTR{};
    (*attributes)->guid = type_;
    (*attributes)->typekind = TKIND_DISPATCH;
    return S_OK;
  }
  STDMETHODIMP_(void) ReleaseTypeAttr(TYPEATTR* attributes) override { delete attributes; }
  STDMETHODIMP GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
  STDMETHODIMP GetFuncDesc(UINT, FUNCDESC**) override { return E_NOTIMPL; }
  STDMETHODIMP GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
  STDMETHODIMP GetNames(MEMBERID, BSTR*, UINT, UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetRefTypeOfImplType(UINT, HREFTYPE*) override { return E_NOTIMPL; }
  STDMETHODIMP GetImplTypeFlags(UINT, INT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(LPOLESTR*, UINT, MEMBERID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(PVOID, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetDocumentation(MEMBERID, BSTR*, BSTR*, DWORD*, BSTR*) override { return E_NOTIMPL; }
  STDMETHODIMP GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
  STDMETHODIMP GetRefTypeInfo(HREFTYPE, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP AddressOfMember(MEMBERID, INVOKEKIND, PVOID*) override { return E_NOTIMPL; }
  STDMETHODIMP CreateInstance(IUnknown*, REFIID, PVOID*) override { return E_NOTIMPL; }
  STDMETHODIMP GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
  STDMETHODIMP GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP_(void) ReleaseFuncDesc(FUNCDESC*) override {}
  STDMETHODIMP_(void) ReleaseVarDesc(VARDESC*) override {}

 private:
  GUID type_;
};

HRESULT STDMETHODCALLTYPE FillLater(EXCEPINFO* info) {
  info->bstrSource = SysAllocString(OLESTR("Late source"));
  info->bstrDescription = SysAllocString(OLESTR("Filled in later"));
  info->scode = E_ACCESSDENIED;
  return S_OK;
}

// Records every call; Fail raises a host exception, Deferred one whose text
// comes through pfnDeferredFillIn, kMissing is not a member at all.
class Recorder : public ComObject<IDispatch> {
 public:
  explicit Recorder(const GUID* type = nullptr) : type_(type) {}

  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return *count = type_ ? 1 : 0, S_OK; }
  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    *info = nullptr;
    if (!type_ || index != 0) return DISP_E_BADINDEX;
    *info = Make<TypeInfoStub>(*type_).detach();
    return S_OK;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
    ++lookups;
    lookupLcid = lcid;
    for (const auto& row : kNames) {
      if (count == 1 && AsciiEqualNoCase(from_ole(names[0]), row.name)) return *ids = row.id, S_OK;
    }
    *ids = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT*) override {
    Record(id, lcid, flags, *params, result);
    if (id == kFail) return Raise(*exception);
    if (id == kDeferred) return exception->pfnDeferredFillIn = FillLater, DISP_E_EXCEPTION;
    if (id == kMissing) return DISP_E_MEMBERNOTFOUND;
    if (result) *result = *Variant(42).get();
    return S_OK;
  }

  int lookups = 0;
  LCID lookupLcid = 0;
  DISPID lastId = DISPID_UNKNOWN;
  LCID lastLcid = 0;
  WORD lastFlags = 0;
  std::vector<Variant> args;  // as received: last argument first
  std::vector<DISPID> named;
  bool wantedResult = false;

 private:
  void Record(DISPID id, LCID lcid, WORD flags, const DISPPARAMS& params, VARIANT* result) {
    lastId = id, lastLcid = lcid, lastFlags = flags, wantedResult = result != nullptr;
    args.clear();
    for (UINT i = 0; i < params.cArgs; ++i) args.push_back(Variant::CopyOf(params.rgvarg[i]));
    named.assign(params.rgdispidNamedArgs, params.rgdispidNamedArgs + params.cNamedArgs);
  }
  static HRESULT Raise(EXCEPINFO& exception) {
    exception.bstrSource = SysAllocString(OLESTR("Microsoft Excel"));
    exception.bstrDescription = SysAllocString(OLESTR("Select method of Range class failed"));
    exception.bstrHelpFile = SysAllocString(OLESTR("host.chm"));
    exception.dwHelpContext = 1000;
    exception.scode = kHostError;
    return DISP_E_EXCEPTION;
  }

  const GUID* type_;
};

ComError CaughtFrom(Dispatch& object, corvane::com::Member member) {
  try {
    object.Call(member);
  } catch (const ComError& error) {
    return error;
  }
  ADD_FAILURE() << "the call did not throw";
  return ComError(S_OK);
}

class DispatchTest : public ::testing::Test {
 protected:
  ComPtr<Recorder> recorder = Make<Recorder>();
  Dispatch object{ComPtr<IDispatch>(recorder.get())};
};

TEST_F(DispatchTest, MethodArgumentsArePlacedLastFirst) {
  const Variant result = object.Call(u"Add", {1, u"two", 3.0, Variant::Omitted()});
  EXPECT_EQ(result.ToInt32(), 42);
  EXPECT_EQ(recorder->lastId, kAdd);
  EXPECT_EQ(recorder->lastFlags, DISPATCH_METHOD);
  EXPECT_EQ(recorder->lastLcid, 0x0400u);
  EXPECT_EQ(recorder->lookupLcid, 0x0400u);
  EXPECT_TRUE(recorder->named.empty());
  ASSERT_EQ(recorder->args.size(), 4u);
  EXPECT_TRUE(recorder->args[0].omitted()) << "an omitted optional is VT_ERROR/DISP_E_PARAMNOTFOUND";
  EXPECT_EQ(recorder->args[1].type(), VT_R8);
  EXPECT_EQ(recorder->args[2].ToText(), u"two");
  EXPECT_EQ(recorder->args[3].ToInt32(), 1);
}

TEST_F(DispatchTest, PropertyGetAndPutFlags) {
  struct Row {
    const char* what;
    void (*call)(Dispatch&);
    WORD flags;
    std::vector<DISPID> named;
    bool wantsResult;
  };
  const Row rows[] = {
      {"get", [](Dispatch& d) { d.Get(kCaption); }, DISPATCH_PROPERTYGET, {}, true},
      {"put", [](Dispatch& d) { d.Put(kCaption, u"x"); }, DISPATCH_PROPERTYPUT, {DISPID_PROPERTYPUT}, false},
      {"put by reference",
       [](Dispatch& d) { d.PutRef(kCaption, Variant(Make<Recorder>())); },
       DISPATCH_PROPERTYPUTREF,
       {DISPID_PROPERTYPUT},
       false},
  };
  for (const auto& row : rows) {
    row.call(object);
    EXPECT_EQ(recorder->lastId, kCaption) << row.what;
    EXPECT_EQ(recorder->lastFlags, row.flags) << row.what;
    EXPECT_EQ(recorder->named, row.named) << row.what;
    EXPECT_EQ(recorder->wantedResult, row.wantsResult) << row.what;
  }
  EXPECT_EQ(recorder->args.at(0).type(), VT_DISPATCH);
  EXPECT_EQ(recorder->lookups, 0) << "calls by DISPID need no name";
}

TEST_F(DispatchTest, IndexedPutSendsTheValueFirst) {
  object.Put(u"Caption", u"value", {7, u"key"});
  ASSERT_EQ(recorder->args.size(), 3u);
  EXPECT_EQ(recorder->args[0].ToText(), u"value");
  EXPECT_EQ(recorder->args[1].ToText(), u"key");
  EXPECT_EQ(recorder->args[2].ToInt32(), 7);
  EXPECT_EQ(recorder->named, std::vector<DISPID>{DISPID_PROPERTYPUT});
}

TEST_F(DispatchTest, AGivenLocaleReachesTheObjectOnEveryKindOfCall) {
  struct Row {
    const char* what;
    void (*call)(Dispatch&, LCID);
    WORD flags;
  };
  const Row rows[] = {
      {"get", [](Dispatch& d, LCID l) { d.Get(kCaption, {}, l); }, DISPATCH_PROPERTYGET},
      {"put", [](Dispatch& d, LCID l) { d.Put(kCaption, u"x", {}, l); }, DISPATCH_PROPERTYPUT},
      {"put by reference", [](Dispatch& d, LCID l) { d.PutRef(kCaption, Variant(1), {}, l); }, DISPATCH_PROPERTYPUTREF},
      {"method", [](Dispatch& d, LCID l) { d.Call(u"Add", {1}, l); }, DISPATCH_METHOD},
      {"invoke", [](Dispatch& d, LCID l) { d.Invoke(kCaption, DISPATCH_PROPERTYGET, {}, l); }, DISPATCH_PROPERTYGET},
      {"by id",
       [](Dispatch& d, LCID l) { Dispatch::InvokeId(d.object().get(), kCaption, DISPATCH_PROPERTYGET, {}, l); },
       DISPATCH_PROPERTYGET},
  };
  for (const auto& row : rows) {
    for (const LCID locale : {corvane::com::kLocaleEnUs, LCID{0}, LCID{1031}}) {
      row.call(object, locale);
      EXPECT_EQ(recorder->lastLcid, locale) << row.what;
      EXPECT_EQ(recorder->lastFlags, row.flags) << row.what;
    }
    // Without one the user's locale goes, as before.
    recorder->lastLcid = 0;
    row.call(object, LOCALE_USER_DEFAULT);
    EXPECT_EQ(recorder->lastLcid, 0x0400u) << row.what;
  }
  EXPECT_EQ(corvane::com::kLocaleEnUs, 1033u);
  Dispatch::InvokeId(object.object().get(), kCaption, DISPATCH_PROPERTYGET, {});
  EXPECT_EQ(recorder->lastLcid, 0x0400u);
  EXPECT_EQ(recorder->lookupLcid, 0x0400u) << "names are looked up in the user's locale whatever the call's";
}

TEST_F(DispatchTest, NamesOfAnObjectWithoutTypeAreLookedUpOnce) {
  object.Get(u"Caption");
  object.Put(u"caption", 1);
  object.Get(u"CAPTION");
  EXPECT_EQ(recorder->lookups, 1);
  EXPECT_EQ(object.IdOf(u"Add"), kAdd);
  EXPECT_EQ(recorder->lookups, 2);
}

TEST(DispatchTypes, NamesAreSharedByObjectsOfOneType) {
  static const GUID kType = {0x6f1c2a10, 0x51d3, 0x4c2e, {0x9a, 0x07, 0x3e, 0x11, 0x52, 0x8b, 0xc4, 0x01}};
  static const GUID kOther = {0x6f1c2a10, 0x51d3, 0x4c2e, {0x9a, 0x07, 0x3e, 0x11, 0x52, 0x8b, 0xc4, 0x02}};
  const ComPtr<Recorder> first = Make<Recorder>(&kType);
  const ComPtr<Recorder> second = Make<Recorder>(&kType);
  const ComPtr<Recorder> other = Make<Recorder>(&kOther);
  Dispatch(ComPtr<IDispatch>(first.get())).Get(u"Caption");
  Dispatch(ComPtr<IDispatch>(second.get())).Get(u"Caption");
  Dispatch(ComPtr<IDispatch>(other.get())).Get(u"Caption");
  EXPECT_EQ(first->lookups, 1);
  EXPECT_EQ(second->lookups, 0) << "the second object of the type uses the cached id";
  EXPECT_EQ(other->lookups, 1) << "another type has names of its own";
  EXPECT_EQ(second->lastId, kCaption);
}

TEST_F(DispatchTest, UnknownNameThrowsAndIsNotCached) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const ComError error = CaughtFrom(object, u"Nothing");
    EXPECT_EQ(error.code(), DISP_E_UNKNOWNNAME);
    EXPECT_NE(error.description().find(u"Nothing"), std::u16string::npos);
  }
  EXPECT_EQ(recorder->lookups, 2);
}

TEST_F(DispatchTest, FailuresCarryTheHostsError) {
  struct Row {
    const char* what;
    DISPID member;
    HRESULT code;
    std::u16string description;
    std::u16string source;
    DWORD helpContext;
  };
  const Row rows[] = {
      {"exception", kFail, kHostError, u"Select method of Range class failed", u"Microsoft Excel", 1000},
      {"deferred fill-in", kDeferred, E_ACCESSDENIED, u"Filled in later", u"Late source", 0},
      {"plain failure", kMissing, DISP_E_MEMBERNOTFOUND, u"", u"", 0},
  };
  for (const auto& row : rows) {
    const ComError error = CaughtFrom(object, row.member);
    EXPECT_EQ(error.code(), row.code) << row.what;
    EXPECT_EQ(error.description(), row.description) << row.what;
    EXPECT_EQ(error.source(), row.source) << row.what;
    EXPECT_EQ(error.helpContext(), row.helpContext) << row.what;
  }
  EXPECT_STREQ(CaughtFrom(object, kFail).what(), "Select method of Range class failed");
}

TEST(DispatchNull, CallsOnNoObjectThrow) {
  Dispatch none{ComPtr<IDispatch>()};
  for (auto call : {+[](Dispatch& d) { d.Get(kCaption); }, +[](Dispatch& d) { d.Get(u"Caption"); }}) {
    try {
      call(none);
      ADD_FAILURE() << "no exception";
    } catch (const ComError& error) {
      EXPECT_EQ(error.code(), E_POINTER);
    }
  }
}

}  // namespace
