// GUID generation and text conversions.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/Text.h"
#include "platform/com/com.h"

namespace {

using corvane::com::from_ole;

const GUID kSample = {0x0BE35203, 0x8F91, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};
const char16_t kSampleText[] = u"{0BE35203-8F91-11CE-9DE3-00AA004BB851}";

TEST(GuidText, StringFromGuid2WritesUpperCaseAndCountsTheNul) {
  OLECHAR buffer[50];
  EXPECT_EQ(StringFromGUID2(kSample, buffer, 50), 39);
  EXPECT_EQ(from_ole(buffer), std::u16string_view(kSampleText));
  EXPECT_EQ(StringFromGUID2(kSample, buffer, 39), 39);
  EXPECT_EQ(StringFromGUID2(kSample, buffer, 38), 0);
  EXPECT_EQ(StringFromGUID2(kSample, buffer, 0), 0);
}

TEST(GuidText, RoundTripsThroughClsidAndIidText) {
  LPOLESTR text = nullptr;
  ASSERT_EQ(StringFromCLSID(kSample, &text), S_OK);
  EXPECT_EQ(from_ole(text), std::u16string_view(kSampleText));
  CLSID clsid{};
  EXPECT_EQ(CLSIDFromString(text, &clsid), S_OK);
  EXPECT_TRUE(IsEqualGUID(clsid, kSample));
  IID iid{};
  EXPECT_EQ(IIDFromString(text, &iid), S_OK);
  EXPECT_TRUE(IsEqualGUID(iid, kSample));
  CoTaskMemFree(text);
  // Lower-case digits are read too.
  EXPECT_EQ(CLSIDFromString(OLESTR("{0be35203-8f91-11ce-9de3-00aa004bb851}"), &clsid), S_OK);
  EXPECT_TRUE(IsEqualGUID(clsid, kSample));
}

TEST(GuidText, NullTextIsTheNullGuid) {
  CLSID clsid = kSample;
  EXPECT_EQ(CLSIDFromString(nullptr, &clsid), S_OK);
  EXPECT_TRUE(IsEqualGUID(clsid, GUID_NULL));
  IID iid = kSample;
  EXPECT_EQ(IIDFromString(nullptr, &iid), S_OK);
  EXPECT_TRUE(IsEqualGUID(iid, GUID_NULL));
}

struct Malformed {
  const char16_t* text;
  HRESULT clsidResult;
  HRESULT iidResult;
};

// Braced texts that are not GUIDs; IIDFromString tells a text of GUID length
// from one of any other length.
const Malformed kMalformed[] = {
    {u"{0BE35203-8F91-11CE-9DE3-00AA004BB85G}", CO_E_CLASSSTRING, CO_E_IIDSTRING},
    {u"{0BE35203=8F91-11CE-9DE3-00AA004BB851}", CO_E_CLASSSTRING, CO_E_IIDSTRING},
    {u"{0BE35203-8F91-11CE-9DE3-00AA004BB851)", CO_E_CLASSSTRING, CO_E_IIDSTRING},
    {u"{0BE35203-8F91-11CE-9DE300-AA004BB851}", CO_E_CLASSSTRING, CO_E_IIDSTRING},
    {u"{0BE35203-8F91-11CE-9DE3-00AA004BB85}", CO_E_CLASSSTRING, E_INVALIDARG},
    {u"{0BE35203-8F91-11CE-9DE3-00AA004BB8511}", CO_E_CLASSSTRING, E_INVALIDARG},
    {u"{0BE35203-8F91-11CE-9DE3-00AA004BB851}x", CO_E_CLASSSTRING, E_INVALIDARG},
    {u"{}", CO_E_CLASSSTRING, E_INVALIDARG},
};

TEST(GuidText, MalformedTextsAreRejected) {
  for (const Malformed& entry : kMalformed) {
    SCOPED_TRACE(corvane::com::Utf16ToUtf8(entry.text));
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromString(reinterpret_cast<LPCOLESTR>(entry.text), &clsid), entry.clsidResult);
    IID iid{};
    EXPECT_EQ(IIDFromString(reinterpret_cast<LPCOLESTR>(entry.text), &iid), entry.iidResult);
  }
}

TEST(GuidText, IidFromStringDoesNotTakeProgIds) {
  IID iid{};
  EXPECT_EQ(IIDFromString(OLESTR("Corvane.NoSuchClass"), &iid), E_INVALIDARG);
}

TEST(GuidText, CreatedGuidsAreRandomVersionFour) {
  GUID first{};
  GUID second{};
  ASSERT_EQ(CoCreateGuid(&first), S_OK);
  ASSERT_EQ(CoCreateGuid(&second), S_OK);
  EXPECT_FALSE(IsEqualGUID(first, second));
  for (const GUID& guid : {first, second}) {
    EXPECT_EQ(guid.Data3 >> 12, 4);
    EXPECT_EQ(guid.Data4[0] & 0xC0, 0x80);
  }
}

}  // namespace
