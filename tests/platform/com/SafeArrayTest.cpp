// Safe arrays: bounds, element access with a non-zero lower bound, element
// copying per type, locks and copies.
#include <gtest/gtest.h>

#include "platform/com/ComObject.h"
#include "platform/com/com.h"
#include "tests/platform/com/CountedObject.h"

namespace {

using corvane::com::ComPtr;
using corvane::com::Make;

using Counted = corvane::com::testing::CountedObject;

TEST(SafeArray, VectorBoundsAndBadDimensions) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 5, 3);
  ASSERT_NE(array, nullptr);
  EXPECT_EQ(SafeArrayGetDim(array), 1u);
  EXPECT_EQ(SafeArrayGetElemsize(array), 4u);
  LONG bound = 0;
  EXPECT_EQ(SafeArrayGetLBound(array, 1, &bound), S_OK);
  EXPECT_EQ(bound, 5);
  EXPECT_EQ(SafeArrayGetUBound(array, 1, &bound), S_OK);
  EXPECT_EQ(bound, 7);
  EXPECT_EQ(SafeArrayGetLBound(array, 0, &bound), DISP_E_BADINDEX);
  EXPECT_EQ(SafeArrayGetUBound(array, 2, &bound), DISP_E_BADINDEX);
  EXPECT_EQ(SafeArrayDestroy(array), S_OK);
}

TEST(SafeArray, ElementTypeIsKnownForEveryKind) {
  const VARTYPE kinds[] = {VT_UI1,  VT_I2,   VT_I4,      VT_R8,      VT_BOOL,    VT_CY,
                           VT_DATE, VT_BSTR, VT_VARIANT, VT_UNKNOWN, VT_DISPATCH};
  for (VARTYPE vt : kinds) {
    SCOPED_TRACE(vt);
    SAFEARRAY* array = SafeArrayCreateVector(vt, 0, 2);
    ASSERT_NE(array, nullptr);
    VARTYPE stored = VT_EMPTY;
    EXPECT_EQ(SafeArrayGetVartype(array, &stored), S_OK);
    EXPECT_EQ(stored, vt);
    SafeArrayDestroy(array);
  }
}

TEST(SafeArray, ElementsAtNonZeroLowerBound) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_I4, -2, 4);
  ASSERT_NE(array, nullptr);
  for (LONG i = -2; i <= 1; ++i) {
    LONG value = i * 10;
    EXPECT_EQ(SafeArrayPutElement(array, &i, &value), S_OK);
  }
  for (LONG outside : {-3, 2, 100}) {
    LONG value = 1;
    EXPECT_EQ(SafeArrayPutElement(array, &outside, &value), DISP_E_BADINDEX);
    EXPECT_EQ(SafeArrayGetElement(array, &outside, &value), DISP_E_BADINDEX);
  }
  LONG index = 1;
  LONG value = 0;
  EXPECT_EQ(SafeArrayGetElement(array, &index, &value), S_OK);
  EXPECT_EQ(value, 10);
  void* data = nullptr;
  ASSERT_EQ(SafeArrayAccessData(array, &data), S_OK);
  EXPECT_EQ(static_cast<LONG*>(data)[0], -20) << "the lower bound is the first cell";
  EXPECT_EQ(SafeArrayDestroy(array), DISP_E_ARRAYISLOCKED);
  EXPECT_EQ(SafeArrayUnaccessData(array), S_OK);
  EXPECT_EQ(SafeArrayUnlock(array), E_UNEXPECTED);
  EXPECT_EQ(SafeArrayDestroy(array), S_OK);
}

TEST(SafeArray, StringElementsAreCopiedBothWays) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_BSTR, 1, 1);
  BSTR text = SysAllocStringLen(OLESTR("a\0b"), 3);
  LONG index = 1;
  ASSERT_EQ(SafeArrayPutElement(array, &index, text), S_OK);
  SysFreeString(text);  // the array holds its own copy
  BSTR out = nullptr;
  ASSERT_EQ(SafeArrayGetElement(array, &index, &out), S_OK);
  EXPECT_EQ(SysStringLen(out), 3u);
  EXPECT_EQ(out[2], 'b');
  SysFreeString(out);
  // Replacing frees the old element (ASan reports a leak otherwise).
  BSTR replacement = SysAllocString(OLESTR("z"));
  EXPECT_EQ(SafeArrayPutElement(array, &index, replacement), S_OK);
  SysFreeString(replacement);
  EXPECT_EQ(SafeArrayDestroy(array), S_OK);
}

TEST(SafeArray, InterfaceAndVariantElementsHoldReferences) {
  ComPtr<Counted> object = Make<Counted>();
  SAFEARRAY* objects = SafeArrayCreateVector(VT_UNKNOWN, 0, 1);
  LONG index = 0;
  ASSERT_EQ(SafeArrayPutElement(objects, &index, object->identity()), S_OK);
  EXPECT_EQ(object->count(), 2u);

  SAFEARRAY* copy = nullptr;
  ASSERT_EQ(SafeArrayCopy(objects, &copy), S_OK);
  EXPECT_EQ(object->count(), 3u);
  ComPtr<IUnknown> out;
  ASSERT_EQ(SafeArrayGetElement(copy, &index, out.put_void()), S_OK);
  EXPECT_EQ(out.get(), object->identity());
  out.reset();
  EXPECT_EQ(SafeArrayDestroy(copy), S_OK);
  EXPECT_EQ(SafeArrayDestroy(objects), S_OK);
  EXPECT_EQ(object->count(), 1u);

  SAFEARRAY* variants = SafeArrayCreateVector(VT_VARIANT, 0, 1);
  VARIANT element;
  element.vt = VT_BSTR;
  element.bstrVal = SysAllocString(OLESTR("inside"));
  ASSERT_EQ(SafeArrayPutElement(variants, &index, &element), S_OK);
  VariantClear(&element);
  VARIANT read;
  VariantInit(&read);
  ASSERT_EQ(SafeArrayGetElement(variants, &index, &read), S_OK);
  EXPECT_EQ(read.vt, VT_BSTR);
  EXPECT_EQ(SysStringLen(read.bstrVal), 6u);
  VariantClear(&read);
  EXPECT_EQ(SafeArrayDestroy(variants), S_OK);
}

TEST(SafeArray, CopyIsDeepAndUnlocked) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_R8, 3, 2);
  LONG index = 4;
  double value = 2.5;
  SafeArrayPutElement(array, &index, &value);
  SafeArrayLock(array);
  SAFEARRAY* copy = nullptr;
  ASSERT_EQ(SafeArrayCopy(array, &copy), S_OK);
  EXPECT_NE(copy->pvData, array->pvData);
  EXPECT_EQ(copy->cLocks, 0u);
  LONG bound = 0;
  SafeArrayGetLBound(copy, 1, &bound);
  EXPECT_EQ(bound, 3);
  double read = 0;
  SafeArrayGetElement(copy, &index, &read);
  EXPECT_EQ(read, 2.5);
  SafeArrayUnlock(array);
  SafeArrayDestroy(array);
  SafeArrayDestroy(copy);
}

TEST(SafeArray, TwoDimensionsFirstIndexVariesFastest) {
  SAFEARRAYBOUND bounds[2] = {{2, 1}, {3, 10}};  // rows 1..2, columns 10..12
  SAFEARRAY* array = SafeArrayCreate(VT_I2, 2, bounds);
  ASSERT_NE(array, nullptr);
  LONG bound = 0;
  SafeArrayGetLBound(array, 2, &bound);
  EXPECT_EQ(bound, 10);
  LONG indices[2] = {2, 11};
  SHORT value = 7;
  ASSERT_EQ(SafeArrayPutElement(array, indices, &value), S_OK);
  EXPECT_EQ(static_cast<SHORT*>(array->pvData)[1 + 1 * 2], 7);
  SafeArrayDestroy(array);
}

}  // namespace
