// The VARIANT owner: the types its constructors give, conversions through the
// runtime (with Windows' rounding and errors), interface counts and
// by-reference arguments.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "CountedObject.h"
#include "platform/com/ComError.h"
#include "platform/com/ComObject.h"
#include "platform/com/Variant.h"

namespace {

using corvane::com::Bstr;
using corvane::com::ComError;
using corvane::com::ComObject;
using corvane::com::ComPtr;
using corvane::com::Make;
using corvane::com::Variant;
using namespace std::string_view_literals;

class Counted : public ComObject<IDispatch> {
 public:
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
};

using corvane::com::testing::RefsOf;

HRESULT CodeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ComError& error) {
    return error.code();
  }
  return S_OK;
}

TEST(Variant, ConstructorsGiveTheAutomationTypes) {
  EXPECT_EQ(Variant().type(), VT_EMPTY);
  EXPECT_EQ(Variant(true).type(), VT_BOOL);
  EXPECT_EQ(Variant(true).get()->boolVal, VARIANT_TRUE);
  EXPECT_EQ(Variant(false).get()->boolVal, VARIANT_FALSE);
  EXPECT_EQ(Variant(-7).type(), VT_I4);
  EXPECT_EQ(Variant(-7).get()->lVal, -7);
  EXPECT_EQ(Variant(2.25).type(), VT_R8);
  EXPECT_EQ(Variant(2.25).get()->dblVal, 2.25);
  // A literal must not decay to a pointer and turn into a bool.
  EXPECT_EQ(Variant(u"text").type(), VT_BSTR);
  EXPECT_EQ(Variant(OLESTR("text")).type(), VT_BSTR);

  const Variant text(u"a\0b"sv);
  ASSERT_EQ(text.type(), VT_BSTR);
  EXPECT_EQ(SysStringLen(text.get()->bstrVal), 3u);
  EXPECT_EQ(text.ToText(), u"a\0b"sv);
  EXPECT_NE(Variant(Bstr()).get()->bstrVal, nullptr) << "a null BSTR is stored as empty text";

  const Variant omitted = Variant::Omitted();
  EXPECT_EQ(omitted.type(), VT_ERROR);
  EXPECT_EQ(omitted.get()->scode, DISP_E_PARAMNOTFOUND);
  EXPECT_TRUE(omitted.omitted());
  EXPECT_FALSE(Variant(0).omitted());
}

TEST(Variant, InterfacesAreCountedWhileHeld) {
  const ComPtr<Counted> object = Make<Counted>();
  const ULONG before = RefsOf(object.get());
  {
    const Variant dispatch(object);
    EXPECT_EQ(dispatch.type(), VT_DISPATCH);
    EXPECT_EQ(RefsOf(object.get()), before + 1);
    const Variant unknown(object->identity());
    EXPECT_EQ(unknown.type(), VT_UNKNOWN);
    const Variant copy(dispatch);
    EXPECT_EQ(RefsOf(object.get()), before + 3);
    EXPECT_EQ(dispatch.ToDispatch().get(), static_cast<IDispatch*>(object.get()));
    EXPECT_EQ(unknown.ToUnknown().get(), object->identity());
  }
  EXPECT_EQ(RefsOf(object.get()), before);
}

TEST(Variant, ConvertsAsTheRuntimeDoes) {
  struct Row {
    const char* what;
    Variant value;
    int32_t expected;
  };
  const Row rows[] = {
      {"digits", Variant(u"12"), 12},
      {"true", Variant(true), -1},
      {"empty", Variant(), 0},
      {"half down to even", 2.5, 2},
      {"half up to even", 3.5, 4},
      {"negative half", -2.5, -2},
      {"double", 7.75, 8},
  };
  for (const auto& row : rows) EXPECT_EQ(row.value.ToInt32(), row.expected) << row.what;

  EXPECT_EQ(Variant(12).ToText(), u"12");
  EXPECT_EQ(Variant().ToText(), u"");
  EXPECT_EQ(Variant(7).ToDouble(), 7.0);
  EXPECT_FALSE(Variant(0).ToBool());
  EXPECT_TRUE(Variant(5).ToBool());
}

TEST(Variant, FailedConversionsThrowTheRuntimeCode) {
  Variant null;
  null.get()->vt = VT_NULL;
  struct Row {
    const char* what;
    const Variant* value;
    HRESULT expected;
  };
  const Variant letters(u"abc");
  const Variant huge(3e10);
  const Row rows[] = {
      {"null", &null, DISP_E_TYPEMISMATCH},
      {"letters", &letters, DISP_E_TYPEMISMATCH},
      {"out of range", &huge, DISP_E_OVERFLOW},
  };
  for (const auto& row : rows) EXPECT_EQ(CodeOf([&] { row.value->ToInt32(); }), row.expected) << row.what;
  EXPECT_EQ(letters.ToText(), u"abc") << "a failed conversion leaves the value alone";
}

TEST(Variant, CopiesAreDeepAndMovesLeaveTheSourceEmpty) {
  Variant original(u"caption");
  const Variant copy(original);
  EXPECT_NE(copy.get()->bstrVal, original.get()->bstrVal);
  EXPECT_EQ(copy.ToText(), u"caption");

  const BSTR held = original.get()->bstrVal;
  Variant moved(std::move(original));
  EXPECT_EQ(moved.get()->bstrVal, held);
  EXPECT_TRUE(original.empty());  // NOLINT(bugprone-use-after-move)

  VARIANT raw = moved.detach();
  EXPECT_TRUE(moved.empty());
  Variant adopted = Variant::Adopt(raw);
  EXPECT_EQ(raw.vt, VT_EMPTY);
  EXPECT_EQ(adopted.get()->bstrVal, held);

  Variant out(5);
  VARIANT* slot = out.put();
  EXPECT_EQ(slot->vt, VT_EMPTY);
  slot->vt = VT_BSTR;
  slot->bstrVal = SysAllocString(OLESTR("from callee"));
  EXPECT_EQ(out.ToText(), u"from callee");
}

TEST(Variant, ReadsThroughReferences) {
  VARIANT_BOOL flag = VARIANT_TRUE;
  EXPECT_TRUE(Variant::RefTo(&flag).ToBool());
  Variant target(u"41");
  const Variant reference = Variant::RefTo(target.get());
  EXPECT_EQ(reference.type(), VT_BYREF | VT_VARIANT);
  EXPECT_EQ(reference.ToInt32(), 41);
  const Variant plain = Variant::CopyOf(*reference.get());
  EXPECT_EQ(plain.type(), VT_BSTR);
  EXPECT_NE(plain.get()->bstrVal, target.get()->bstrVal);
}

TEST(Variant, AssignsThroughReferences) {
  VARIANT_BOOL cancel = VARIANT_FALSE;
  corvane::com::AssignThroughRef(*Variant::RefTo(&cancel).get(), true);
  EXPECT_EQ(cancel, VARIANT_TRUE);

  Variant target(1);
  corvane::com::AssignThroughRef(*Variant::RefTo(target.get()).get(), u"replaced");
  EXPECT_EQ(target.type(), VT_BSTR);
  EXPECT_EQ(target.ToText(), u"replaced");

  // A BSTR reference: the old string is freed (the leak checker sees it
  // otherwise) and the new value is converted to text.
  BSTR text = SysAllocString(OLESTR("old"));
  VARIANT byRef;
  VariantInit(&byRef);
  byRef.vt = VT_BYREF | VT_BSTR;
  byRef.pbstrVal = &text;
  corvane::com::AssignThroughRef(byRef, 12);
  const Bstr owner = Bstr::attach(text);
  EXPECT_EQ(owner.view(), u"12");

  LONG number = 3;
  byRef.vt = VT_BYREF | VT_I4;
  byRef.plVal = &number;
  EXPECT_EQ(CodeOf([&] { corvane::com::AssignThroughRef(byRef, u"abc"); }), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(number, 3) << "a failed assignment keeps the old value";
  EXPECT_EQ(CodeOf([&] { corvane::com::AssignThroughRef(*Variant(1).get(), 2); }), DISP_E_TYPEMISMATCH);
}

}  // namespace
