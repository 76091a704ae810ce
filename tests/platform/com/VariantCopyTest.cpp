// VariantClear, VariantCopy and VariantCopyInd: ownership of strings,
// objects and arrays, and by-reference values.
#include <gtest/gtest.h>

#include "platform/com/ComObject.h"
#include "platform/com/com.h"
#include "tests/platform/com/CountedObject.h"

namespace {

using corvane::com::ComPtr;
using corvane::com::Make;

using Counted = corvane::com::testing::CountedObject;

VARIANT Empty() {
  VARIANT v;
  VariantInit(&v);
  return v;
}

TEST(VariantCopy, StringsAreDuplicatedWithEmbeddedNuls) {
  VARIANT source = Empty();
  source.vt = VT_BSTR;
  source.bstrVal = SysAllocStringLen(OLESTR("x\0y"), 3);
  VARIANT copy = Empty();
  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  EXPECT_EQ(copy.vt, VT_BSTR);
  EXPECT_NE(copy.bstrVal, source.bstrVal);
  EXPECT_EQ(SysStringLen(copy.bstrVal), 3u);
  EXPECT_EQ(copy.bstrVal[2], 'y');
  EXPECT_EQ(VariantClear(&source), S_OK);
  EXPECT_EQ(source.vt, VT_EMPTY);
  EXPECT_EQ(VariantClear(&copy), S_OK);
}

TEST(VariantCopy, ObjectsAreAddRefedAndReleased) {
  ComPtr<Counted> object = Make<Counted>();
  VARIANT source = Empty();
  source.vt = VT_UNKNOWN;
  source.punkVal = object->identity();
  VARIANT copy = Empty();
  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  EXPECT_EQ(object->count(), 2u);
  EXPECT_EQ(VariantClear(&copy), S_OK);
  EXPECT_EQ(object->count(), 1u);
}

TEST(VariantCopy, ArraysAreCopied) {
  VARIANT source = Empty();
  source.vt = VT_ARRAY | VT_BSTR;
  source.parray = SafeArrayCreateVector(VT_BSTR, 0, 1);
  LONG index = 0;
  BSTR text = SysAllocString(OLESTR("cell"));
  SafeArrayPutElement(source.parray, &index, text);
  SysFreeString(text);
  VARIANT copy = Empty();
  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  EXPECT_NE(copy.parray, source.parray);
  EXPECT_EQ(VariantClear(&source), S_OK);
  BSTR out = nullptr;
  EXPECT_EQ(SafeArrayGetElement(copy.parray, &index, &out), S_OK);
  EXPECT_EQ(SysStringLen(out), 4u);
  SysFreeString(out);
  EXPECT_EQ(VariantClear(&copy), S_OK);
}

TEST(VariantCopy, CopyReplacesWhatTheDestinationHeld) {
  VARIANT dest = Empty();
  dest.vt = VT_BSTR;
  dest.bstrVal = SysAllocString(OLESTR("old"));  // must be freed by the copy
  VARIANT source = Empty();
  source.vt = VT_I4;
  source.lVal = 9;
  ASSERT_EQ(VariantCopy(&dest, &source), S_OK);
  EXPECT_EQ(dest.vt, VT_I4);
  EXPECT_EQ(dest.lVal, 9);
}

TEST(VariantCopy, ReferencesStayReferencesUntilCopyInd) {
  LONG storage = 5;
  VARIANT reference = Empty();
  reference.vt = VT_I4 | VT_BYREF;
  reference.plVal = &storage;
  VARIANT copy = Empty();
  ASSERT_EQ(VariantCopy(&copy, &reference), S_OK);
  EXPECT_EQ(copy.vt, VT_I4 | VT_BYREF);
  EXPECT_EQ(copy.plVal, &storage);
  EXPECT_EQ(VariantClear(&copy), S_OK);  // leaves the target alone
  EXPECT_EQ(storage, 5);

  ASSERT_EQ(VariantCopyInd(&copy, &reference), S_OK);
  EXPECT_EQ(copy.vt, VT_I4);
  EXPECT_EQ(copy.lVal, 5);
}

TEST(VariantCopy, CopyIndFollowsOneVariantReference) {
  BSTR text = SysAllocString(OLESTR("held"));
  VARIANT inner = Empty();
  inner.vt = VT_BSTR | VT_BYREF;
  inner.pbstrVal = &text;
  VARIANT outer = Empty();
  outer.vt = VT_VARIANT | VT_BYREF;
  outer.pvarVal = &inner;
  VARIANT copy = Empty();
  ASSERT_EQ(VariantCopyInd(&copy, &outer), S_OK);
  EXPECT_EQ(copy.vt, VT_BSTR);
  EXPECT_NE(copy.bstrVal, text);
  EXPECT_EQ(SysStringLen(copy.bstrVal), 4u);
  VariantClear(&copy);

  // A variant reference to a variant reference is refused.
  VARIANT twice = Empty();
  twice.vt = VT_VARIANT | VT_BYREF;
  twice.pvarVal = &outer;
  EXPECT_EQ(VariantCopyInd(&copy, &twice), E_INVALIDARG);
  SysFreeString(text);
}

TEST(VariantCopy, CopyIndInPlaceDereferences) {
  double storage = 1.25;
  VARIANT v = Empty();
  v.vt = VT_R8 | VT_BYREF;
  v.pdblVal = &storage;
  ASSERT_EQ(VariantCopyInd(&v, &v), S_OK);
  EXPECT_EQ(v.vt, VT_R8);
  EXPECT_EQ(v.dblVal, 1.25);
}

struct TypeCheck {
  VARTYPE vt;
  HRESULT expected;
};

// What VariantClear accepts as a type tag.
const TypeCheck kClearTypes[] = {
    {VT_EMPTY, S_OK},
    {VT_NULL, S_OK},
    {VT_I4, S_OK},
    {VT_UINT, S_OK},
    {15, DISP_E_BADVARTYPE},
    {VT_VOID, DISP_E_BADVARTYPE},
    {VT_LPWSTR, DISP_E_BADVARTYPE},
    {VT_I4 | VT_VECTOR, DISP_E_BADVARTYPE},
    {VT_I4 | VT_RESERVED, DISP_E_BADVARTYPE},
    {VT_EMPTY | VT_BYREF, DISP_E_BADVARTYPE},
    {VT_NULL | VT_ARRAY, DISP_E_BADVARTYPE},
    {VT_I4 | VT_BYREF, S_OK},
};

TEST(VariantCopy, ClearRejectsInvalidTypes) {
  for (const TypeCheck& entry : kClearTypes) {
    SCOPED_TRACE(entry.vt);
    VARIANT v = Empty();
    v.vt = entry.vt;
    v.llVal = 0;
    EXPECT_EQ(VariantClear(&v), entry.expected);
    EXPECT_EQ(v.vt, SUCCEEDED(entry.expected) ? VARTYPE{VT_EMPTY} : entry.vt);
  }
}

}  // namespace
