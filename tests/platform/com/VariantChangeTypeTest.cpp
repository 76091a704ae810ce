// VariantChangeType(Ex): conversions as Windows performs them for the user
// default locale (English, "." decimals), table by table.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "CountedObject.h"
#include "platform/com/ComObject.h"
#include "platform/com/Text.h"
#include "platform/com/com.h"

namespace {

using corvane::com::ComObject;
using corvane::com::ComPtr;
using corvane::com::from_ole;
using corvane::com::Make;
using corvane::com::ole;

// A value written as data: a type, a number (for numeric types, CY in
// currency units) or a text.
struct Value {
  VARTYPE vt;
  double number = 0;
  const char16_t* text = nullptr;
};

VARIANT Materialize(const Value& value) {
  VARIANT v;
  std::memset(&v, 0, sizeof(v));
  v.vt = value.vt;
  const double n = value.number;
  switch (value.vt) {
    case VT_I1:
      v.cVal = static_cast<CHAR>(n);
      break;
    case VT_UI1:
      v.bVal = static_cast<BYTE>(n);
      break;
    case VT_I2:
      v.iVal = static_cast<SHORT>(n);
      break;
    case VT_UI2:
      v.uiVal = static_cast<USHORT>(n);
      break;
    case VT_I4:
      v.lVal = static_cast<LONG>(n);
      break;
    case VT_UI4:
      v.ulVal = static_cast<ULONG>(n);
      break;
    case VT_I8:
      v.llVal = static_cast<LONGLONG>(n);
      break;
    case VT_UI8:
      v.ullVal = static_cast<ULONGLONG>(n);
      break;
    case VT_INT:
      v.intVal = static_cast<INT>(n);
      break;
    case VT_R4:
      v.fltVal = static_cast<float>(n);
      break;
    case VT_R8:
      v.dblVal = n;
      break;
    case VT_DATE:
      v.date = n;
      break;
    case VT_CY:
      v.cyVal.int64 = std::llround(n * 10000);
      break;
    case VT_BOOL:
      v.boolVal = n ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_BSTR:
      v.bstrVal = SysAllocString(ole(value.text));
      break;
    default:
      break;
  }
  return v;
}

// The converted value read back as a number (text for strings).
double NumberOf(const VARIANT& v) {
  switch (v.vt) {
    case VT_I1:
      return v.cVal;
    case VT_UI1:
      return v.bVal;
    case VT_I2:
      return v.iVal;
    case VT_UI2:
      return v.uiVal;
    case VT_I4:
      return v.lVal;
    case VT_UI4:
      return v.ulVal;
    case VT_I8:
      return static_cast<double>(v.llVal);
    case VT_UI8:
      return static_cast<double>(v.ullVal);
    case VT_INT:
      return v.intVal;
    case VT_R4:
      return v.fltVal;
    case VT_R8:
      return v.dblVal;
    case VT_DATE:
      return v.date;
    case VT_CY:
      return static_cast<double>(v.cyVal.int64) / 10000;
    case VT_BOOL:
      return v.boolVal;
    default:
      return 0;
  }
}

struct Conversion {
  Value source;
  VARTYPE target;
  HRESULT expected;
  Value result;  // compared when the conversion succeeds
  USHORT flags = 0;
};

void Check(const Conversion& c) {
  VARIANT source = Materialize(c.source);
  VARIANT dest;
  VariantInit(&dest);
  const HRESULT hr = VariantChangeTypeEx(&dest, &source, LOCALE_USER_DEFAULT, c.flags, c.target);
  EXPECT_EQ(hr, c.expected);
  if (SUCCEEDED(hr) && SUCCEEDED(c.expected)) {
    EXPECT_EQ(dest.vt, c.target);
    if (c.target == VT_BSTR) {
      EXPECT_EQ(std::u16string(from_ole(dest.bstrVal, SysStringLen(dest.bstrVal))), c.result.text);
    } else if (c.target == VT_R4) {
      EXPECT_FLOAT_EQ(static_cast<float>(NumberOf(dest)), static_cast<float>(c.result.number));
    } else {
      EXPECT_DOUBLE_EQ(NumberOf(dest), c.result.number);
    }
  } else if (FAILED(c.expected)) {
    EXPECT_EQ(dest.vt, VT_EMPTY) << "a failed conversion leaves the destination alone";
  }
  VariantClear(&dest);
  VariantClear(&source);
}

void CheckAll(const Conversion* begin, const Conversion* end) {
  for (const Conversion* c = begin; c != end; ++c) {
    SCOPED_TRACE(::testing::Message() << "row " << (c - begin) << ": vt " << c->source.vt << " -> " << c->target);
    Check(*c);
  }
}

template <size_t N>
void CheckAll(const Conversion (&table)[N]) {
  CheckAll(table, table + N);
}

const Conversion kRounding[] = {
    // Half to even, both signs.
    {{VT_R8, 0.5}, VT_I4, S_OK, {VT_I4, 0}},          {{VT_R8, 1.5}, VT_I4, S_OK, {VT_I4, 2}},
    {{VT_R8, 2.5}, VT_I4, S_OK, {VT_I4, 2}},          {{VT_R8, 2.51}, VT_I4, S_OK, {VT_I4, 3}},
    {{VT_R8, -0.5}, VT_I4, S_OK, {VT_I4, 0}},         {{VT_R8, -1.5}, VT_I2, S_OK, {VT_I2, -2}},
    {{VT_R8, -2.5}, VT_I2, S_OK, {VT_I2, -2}},        {{VT_R4, 3.5f}, VT_UI1, S_OK, {VT_UI1, 4}},
    {{VT_CY, 2.5}, VT_I4, S_OK, {VT_I4, 2}},          {{VT_CY, 3.5}, VT_I4, S_OK, {VT_I4, 4}},
    {{VT_CY, -3.5}, VT_I4, S_OK, {VT_I4, -4}},        {{VT_DATE, 1.5}, VT_I4, S_OK, {VT_I4, 2}},
    {{VT_R8, 1.23456}, VT_CY, S_OK, {VT_CY, 1.2346}}, {{VT_R8, -1.23456}, VT_CY, S_OK, {VT_CY, -1.2346}},
};

TEST(VariantChangeType, RealsRoundHalfToEven) { CheckAll(kRounding); }

const Conversion kRanges[] = {
    {{VT_I4, 127}, VT_I1, S_OK, {VT_I1, 127}},
    {{VT_I4, 128}, VT_I1, DISP_E_OVERFLOW, {}},
    {{VT_I4, -129}, VT_I1, DISP_E_OVERFLOW, {}},
    {{VT_I4, 255}, VT_UI1, S_OK, {VT_UI1, 255}},
    {{VT_I4, 256}, VT_UI1, DISP_E_OVERFLOW, {}},
    {{VT_I4, -1}, VT_UI1, DISP_E_OVERFLOW, {}},
    {{VT_I4, 32768}, VT_I2, DISP_E_OVERFLOW, {}},
    {{VT_I4, -1}, VT_UI2, DISP_E_OVERFLOW, {}},
    // Between signed and unsigned integers of one width the bits pass through.
    {{VT_I4, -1}, VT_UI4, S_OK, {VT_UI4, 4294967295.0}},
    {{VT_UI4, 4294967295.0}, VT_I4, S_OK, {VT_I4, -1}},
    {{VT_I1, -1}, VT_UI1, S_OK, {VT_UI1, 255}},
    {{VT_UI2, 65535}, VT_I2, S_OK, {VT_I2, -1}},
    {{VT_I4, -1}, VT_UI8, DISP_E_OVERFLOW, {}},
    {{VT_UI4, 4294967295.0}, VT_I8, S_OK, {VT_I8, 4294967295.0}},
    {{VT_R8, 127.49}, VT_I1, S_OK, {VT_I1, 127}},
    {{VT_R8, 127.5}, VT_I1, DISP_E_OVERFLOW, {}},
    {{VT_R8, -128.5}, VT_I1, S_OK, {VT_I1, -128}},
    {{VT_R8, -128.51}, VT_I1, DISP_E_OVERFLOW, {}},
    {{VT_R8, 2147483647.5}, VT_I4, DISP_E_OVERFLOW, {}},
    {{VT_R8, -2147483648.5}, VT_I4, S_OK, {VT_I4, -2147483648.0}},
    {{VT_R8, -0.51}, VT_UI4, DISP_E_OVERFLOW, {}},
    {{VT_R8, -0.5}, VT_UI2, S_OK, {VT_UI2, 0}},
    {{VT_R8, 1e300}, VT_R4, DISP_E_OVERFLOW, {}},
    {{VT_R8, 1e300}, VT_CY, DISP_E_OVERFLOW, {}},
    {{VT_R8, 3e6}, VT_DATE, DISP_E_OVERFLOW, {}},
    {{VT_R8, 2958465.5}, VT_DATE, S_OK, {VT_DATE, 2958465.5}},
    {{VT_R8, -657434.5}, VT_DATE, S_OK, {VT_DATE, -657434.5}},
    {{VT_R8, -657435.0}, VT_DATE, DISP_E_OVERFLOW, {}},
    {{VT_I4, 7}, VT_CY, S_OK, {VT_CY, 7}},
    {{VT_I4, 7}, VT_R8, S_OK, {VT_R8, 7}},
    {{VT_I4, 7}, VT_DATE, S_OK, {VT_DATE, 7}},
    {{VT_I2, -3}, VT_INT, S_OK, {VT_INT, -3}},
};

TEST(VariantChangeType, IntegersCheckTheirRange) { CheckAll(kRanges); }

const Conversion kBooleans[] = {
    {{VT_I4, 5}, VT_BOOL, S_OK, {VT_BOOL, VARIANT_TRUE}},
    {{VT_R8, 0.25}, VT_BOOL, S_OK, {VT_BOOL, VARIANT_TRUE}},
    {{VT_I4, 0}, VT_BOOL, S_OK, {VT_BOOL, VARIANT_FALSE}},
    {{VT_BOOL, 1}, VT_I4, S_OK, {VT_I4, -1}},
    {{VT_BOOL, 1}, VT_R8, S_OK, {VT_R8, -1}},
    // Booleans wrap into unsigned types rather than overflow.
    {{VT_BOOL, 1}, VT_UI1, S_OK, {VT_UI1, 255}},
    {{VT_BOOL, 1}, VT_UI2, S_OK, {VT_UI2, 65535}},
    {{VT_BOOL, 1}, VT_UI4, S_OK, {VT_UI4, 4294967295.0}},
    {{VT_BOOL, 1}, VT_CY, S_OK, {VT_CY, -1}},
};

TEST(VariantChangeType, Booleans) { CheckAll(kBooleans); }

const Conversion kToText[] = {
    {{VT_I4, -42}, VT_BSTR, S_OK, {VT_BSTR, 0, u"-42"}},
    {{VT_UI1, 200}, VT_BSTR, S_OK, {VT_BSTR, 0, u"200"}},
    {{VT_R8, 1.5}, VT_BSTR, S_OK, {VT_BSTR, 0, u"1.5"}},
    {{VT_R8, 0.1}, VT_BSTR, S_OK, {VT_BSTR, 0, u"0.1"}},
    {{VT_R8, -2.0}, VT_BSTR, S_OK, {VT_BSTR, 0, u"-2"}},
    {{VT_R8, 1.0 / 3}, VT_BSTR, S_OK, {VT_BSTR, 0, u"0.333333333333333"}},
    {{VT_R8, 1e20}, VT_BSTR, S_OK, {VT_BSTR, 0, u"1E+20"}},
    {{VT_R8, 1e-5}, VT_BSTR, S_OK, {VT_BSTR, 0, u"1E-05"}},
    {{VT_R8, 123456789012.0}, VT_BSTR, S_OK, {VT_BSTR, 0, u"123456789012"}},
    {{VT_R4, 1.0 / 3}, VT_BSTR, S_OK, {VT_BSTR, 0, u"0.3333333"}},
    {{VT_R4, 0.1}, VT_BSTR, S_OK, {VT_BSTR, 0, u"0.1"}},
    {{VT_CY, 12.5}, VT_BSTR, S_OK, {VT_BSTR, 0, u"12.5"}},
    {{VT_CY, -0.0001}, VT_BSTR, S_OK, {VT_BSTR, 0, u"-0.0001"}},
    {{VT_CY, 100}, VT_BSTR, S_OK, {VT_BSTR, 0, u"100"}},
    {{VT_BOOL, 1}, VT_BSTR, S_OK, {VT_BSTR, 0, u"-1"}},
    {{VT_BOOL, 0}, VT_BSTR, S_OK, {VT_BSTR, 0, u"0"}},
    {{VT_BOOL, 1}, VT_BSTR, S_OK, {VT_BSTR, 0, u"True"}, VARIANT_ALPHABOOL},
    {{VT_BOOL, 0}, VT_BSTR, S_OK, {VT_BSTR, 0, u"False"}, VARIANT_ALPHABOOL},
    {{VT_BOOL, 1}, VT_BSTR, S_OK, {VT_BSTR, 0, u"True"}, VARIANT_LOCALBOOL},
    {{VT_DATE, 36526.0}, VT_BSTR, S_OK, {VT_BSTR, 0, u"1/1/2000"}},
    {{VT_DATE, 36526.75}, VT_BSTR, S_OK, {VT_BSTR, 0, u"1/1/2000 6:00:00 PM"}},
    {{VT_DATE, 2.5}, VT_BSTR, S_OK, {VT_BSTR, 0, u"1/1/1900 12:00:00 PM"}},
    {{VT_DATE, 2958465.5}, VT_BSTR, S_OK, {VT_BSTR, 0, u"12/31/9999 12:00:00 PM"}},
    {{VT_DATE, 2958466.0}, VT_BSTR, E_INVALIDARG, {}},
    {{VT_DATE, -657435.0}, VT_BSTR, E_INVALIDARG, {}},
    {{VT_DATE, 1.1e217}, VT_BSTR, E_INVALIDARG, {}},
    {{VT_EMPTY}, VT_BSTR, S_OK, {VT_BSTR, 0, u""}},
};

TEST(VariantChangeType, ValuesToText) { CheckAll(kToText); }

const Conversion kFromText[] = {
    {{VT_BSTR, 0, u"42"}, VT_I4, S_OK, {VT_I4, 42}},
    {{VT_BSTR, 0, u"  -17  "}, VT_I4, S_OK, {VT_I4, -17}},
    {{VT_BSTR, 0, u"+8"}, VT_I2, S_OK, {VT_I2, 8}},
    {{VT_BSTR, 0, u"1.5"}, VT_I4, S_OK, {VT_I4, 2}},
    {{VT_BSTR, 0, u"2.5"}, VT_I4, S_OK, {VT_I4, 2}},
    {{VT_BSTR, 0, u"1,234"}, VT_I4, S_OK, {VT_I4, 1234}},
    {{VT_BSTR, 0, u"1e3"}, VT_I4, S_OK, {VT_I4, 1000}},
    {{VT_BSTR, 0, u"0.25"}, VT_R8, S_OK, {VT_R8, 0.25}},
    {{VT_BSTR, 0, u".5"}, VT_R8, S_OK, {VT_R8, 0.5}},
    {{VT_BSTR, 0, u"1.25E-2"}, VT_R8, S_OK, {VT_R8, 0.0125}},
    {{VT_BSTR, 0, u"12.34567"}, VT_CY, S_OK, {VT_CY, 12.3457}},
    {{VT_BSTR, 0, u"3000000000"}, VT_I4, DISP_E_OVERFLOW, {}},
    {{VT_BSTR, 0, u"-1"}, VT_UI1, DISP_E_OVERFLOW, {}},
    {{VT_BSTR, 0, u"&H1F"}, VT_I4, S_OK, {VT_I4, 31}},
    {{VT_BSTR, 0, u"abc"}, VT_I4, DISP_E_TYPEMISMATCH, {}},
    {{VT_BSTR, 0, u""}, VT_I4, DISP_E_TYPEMISMATCH, {}},
    {{VT_BSTR, 0, u"12abc"}, VT_R8, DISP_E_TYPEMISMATCH, {}},
    {{VT_BSTR, 0, u"1.2.3"}, VT_R8, DISP_E_TYPEMISMATCH, {}},
    {{VT_BSTR, 0, u"-"}, VT_I4, DISP_E_TYPEMISMATCH, {}},
    {{VT_BSTR, 0, u"True"}, VT_BOOL, S_OK, {VT_BOOL, VARIANT_TRUE}},
    {{VT_BSTR, 0, u"false"}, VT_BOOL, S_OK, {VT_BOOL, VARIANT_FALSE}},
    {{VT_BSTR, 0, u"0"}, VT_BOOL, S_OK, {VT_BOOL, VARIANT_FALSE}},
    {{VT_BSTR, 0, u"-3"}, VT_BOOL, S_OK, {VT_BOOL, VARIANT_TRUE}},
    {{VT_BSTR, 0, u"maybe"}, VT_BOOL, DISP_E_TYPEMISMATCH, {}},
    {{VT_BSTR, 0, u"1/1/2000"}, VT_DATE, S_OK, {VT_DATE, 36526.0}},
    {{VT_BSTR, 0, u"1/1/2000 6:00:00 PM"}, VT_DATE, S_OK, {VT_DATE, 36526.75}},
};

TEST(VariantChangeType, TextToValues) { CheckAll(kFromText); }

const Conversion kEmptyNullAndTypes[] = {
    {{VT_EMPTY}, VT_I4, S_OK, {VT_I4, 0}},
    {{VT_EMPTY}, VT_R8, S_OK, {VT_R8, 0}},
    {{VT_EMPTY}, VT_BOOL, S_OK, {VT_BOOL, VARIANT_FALSE}},
    {{VT_NULL}, VT_I4, DISP_E_TYPEMISMATCH, {}},
    {{VT_NULL}, VT_BSTR, DISP_E_TYPEMISMATCH, {}},
    {{VT_NULL}, VT_NULL, S_OK, {VT_NULL}},
    {{VT_I4, 1}, VT_EMPTY, S_OK, {VT_EMPTY}},
    {{VT_I4, 1}, VT_NULL, S_OK, {VT_NULL}},
    {{VT_I4, 1}, VT_DISPATCH, DISP_E_TYPEMISMATCH, {}},
    {{VT_I4, 1}, VT_UNKNOWN, DISP_E_TYPEMISMATCH, {}},
    {{VT_I4, 1}, VT_ERROR, DISP_E_TYPEMISMATCH, {}},
    {{VT_I4, 1}, VT_VARIANT, DISP_E_TYPEMISMATCH, {}},
    {{VT_I4, 1}, VT_VOID, DISP_E_BADVARTYPE, {}},
    {{VT_I4, 1}, VT_LPWSTR, DISP_E_BADVARTYPE, {}},
    {{VT_I4, 1}, VT_PTR, DISP_E_BADVARTYPE, {}},
    {{VT_I4, 1}, 15, DISP_E_BADVARTYPE, {}},
    {{VT_I4, 1}, VT_I4 | VT_BYREF, DISP_E_TYPEMISMATCH, {}},
    {{15}, VT_I4, DISP_E_BADVARTYPE, {}},
    {{VT_VOID}, VT_I4, DISP_E_BADVARTYPE, {}},
};

TEST(VariantChangeType, EmptyNullAndInvalidTypes) { CheckAll(kEmptyNullAndTypes); }

TEST(VariantChangeType, ConvertsInPlace) {
  VARIANT v;
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(OLESTR("77"));
  ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I2), S_OK);  // the string is freed
  EXPECT_EQ(v.vt, VT_I2);
  EXPECT_EQ(v.iVal, 77);
  ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
  EXPECT_EQ(std::u16string(from_ole(v.bstrVal)), u"77");
  // A failure keeps the value.
  EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_UNKNOWN), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(v.vt, VT_BSTR);
  VariantClear(&v);
}

TEST(VariantChangeType, FailureKeepsTheDestination) {
  VARIANT source;
  source.vt = VT_BSTR;
  source.bstrVal = SysAllocString(OLESTR("not a number"));
  VARIANT dest;
  dest.vt = VT_I4;
  dest.lVal = 12;
  EXPECT_EQ(VariantChangeType(&dest, &source, 0, VT_R8), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(dest.vt, VT_I4);
  EXPECT_EQ(dest.lVal, 12);
  VariantClear(&source);
}

TEST(VariantChangeType, ReferencesAreReadThrough) {
  double storage = 4.5;
  VARIANT reference;
  reference.vt = VT_R8 | VT_BYREF;
  reference.pdblVal = &storage;
  VARIANT dest;
  VariantInit(&dest);
  ASSERT_EQ(VariantChangeType(&dest, &reference, 0, VT_I4), S_OK);
  EXPECT_EQ(dest.lVal, 4);
  ASSERT_EQ(VariantChangeType(&dest, &reference, 0, VT_R8), S_OK);
  EXPECT_EQ(dest.vt, VT_R8) << "the result is a value, not a reference";
  EXPECT_EQ(dest.dblVal, 4.5);

  VARIANT inner;
  inner.vt = VT_I2;
  inner.iVal = 3;
  VARIANT outer;
  outer.vt = VT_VARIANT | VT_BYREF;
  outer.pvarVal = &inner;
  ASSERT_EQ(VariantChangeType(&dest, &outer, 0, VT_BSTR), S_OK);
  EXPECT_EQ(std::u16string(from_ole(dest.bstrVal)), u"3");
  VariantClear(&dest);

  reference.pdblVal = nullptr;
  EXPECT_EQ(VariantChangeType(&dest, &reference, 0, VT_I4), DISP_E_TYPEMISMATCH);
}

// An object whose default member returns a fixed value.
class ValueObject : public ComObject<IDispatch> {
 public:
  int invocations = 0;
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    ++invocations;
    if (member != DISPID_VALUE || !(flags & DISPATCH_PROPERTYGET) || params->cArgs != 0 || !result) {
      return DISP_E_MEMBERNOTFOUND;
    }
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocString(OLESTR("2.5"));
    return S_OK;
  }
  ULONG count() { return corvane::com::testing::RefsOf(identity()); }
};

TEST(VariantChangeType, ObjectsGiveTheirDefaultValue) {
  ComPtr<ValueObject> object = Make<ValueObject>();
  VARIANT source;
  source.vt = VT_DISPATCH;
  source.pdispVal = object.get();
  VARIANT dest;
  VariantInit(&dest);
  ASSERT_EQ(VariantChangeType(&dest, &source, 0, VT_R8), S_OK);
  EXPECT_EQ(dest.dblVal, 2.5);
  EXPECT_EQ(object->invocations, 1);
  EXPECT_EQ(VariantChangeType(&dest, &source, VARIANT_NOVALUEPROP, VT_R8), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(object->invocations, 1);

  ASSERT_EQ(VariantChangeType(&dest, &source, 0, VT_UNKNOWN), S_OK);
  EXPECT_EQ(dest.vt, VT_UNKNOWN);
  EXPECT_EQ(dest.punkVal, object->identity());
  EXPECT_EQ(object->count(), 2u);
  VARIANT back;
  VariantInit(&back);
  ASSERT_EQ(VariantChangeType(&back, &dest, 0, VT_DISPATCH), S_OK);
  EXPECT_EQ(back.pdispVal, static_cast<IDispatch*>(object.get()));
  VariantClear(&back);
  VariantClear(&dest);
  EXPECT_EQ(object->count(), 1u);
}

class PlainObject : public ComObject<IUnknown> {};

TEST(VariantChangeType, UnknownWithoutDispatchIsRefused) {
  ComPtr<PlainObject> object = Make<PlainObject>();
  VARIANT source;
  source.vt = VT_UNKNOWN;
  source.punkVal = object->identity();
  VARIANT dest;
  VariantInit(&dest);
  EXPECT_EQ(VariantChangeType(&dest, &source, 0, VT_DISPATCH), E_NOINTERFACE);
  EXPECT_EQ(VariantChangeType(&dest, &source, 0, VT_I4), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(dest.vt, VT_EMPTY);
}

}  // namespace
