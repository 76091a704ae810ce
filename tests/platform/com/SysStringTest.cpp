// BSTR allocation and lengths, against the runtime's own calls.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/com/com.h"

namespace {

TEST(SysString, LengthsCountEmbeddedNuls) {
  static const OLECHAR kText[] = OLESTR("ab\0cd");
  BSTR text = SysAllocStringLen(kText, 5);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 5u);
  EXPECT_EQ(SysStringByteLen(text), 10u);
  EXPECT_EQ(std::memcmp(text, kText, 5 * sizeof(OLECHAR)), 0);
  EXPECT_EQ(text[5], 0) << "terminated after the counted text";
  // The 32-bit prefix before the text holds the byte count.
  UINT prefix = 0;
  std::memcpy(&prefix, reinterpret_cast<const char*>(text) - sizeof(UINT), sizeof(UINT));
  EXPECT_EQ(prefix, 10u);
  SysFreeString(text);
}

TEST(SysString, AllocStringStopsAtFirstNulAndNullGivesNull) {
  BSTR text = SysAllocString(OLESTR("hello"));
  EXPECT_EQ(SysStringLen(text), 5u);
  SysFreeString(text);
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_EQ(SysStringByteLen(nullptr), 0u);
  SysFreeString(nullptr);  // harmless
}

TEST(SysString, NullSourceGivesBufferOfRequestedLength) {
  BSTR text = SysAllocStringLen(nullptr, 4);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 4u);
  EXPECT_EQ(text[4], 0);
  for (int i = 0; i < 4; ++i) text[i] = static_cast<OLECHAR>('w' + i);
  SysFreeString(text);
}

TEST(SysString, ByteLengthKeepsOddCounts) {
  BSTR bytes = SysAllocStringByteLen("abc", 3);
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(SysStringByteLen(bytes), 3u);
  EXPECT_EQ(SysStringLen(bytes), 1u);
  EXPECT_EQ(std::memcmp(bytes, "abc", 3), 0);
  EXPECT_EQ(reinterpret_cast<const char*>(bytes)[3], 0);
  SysFreeString(bytes);
}

TEST(SysString, ReAllocReplacesAndKeepsOverlappingSource) {
  BSTR text = SysAllocString(OLESTR("first"));
  ASSERT_TRUE(SysReAllocString(&text, OLESTR("second one")));
  EXPECT_EQ(SysStringLen(text), 10u);
  EXPECT_EQ(text[0], 's');
  // Source inside the string being replaced.
  ASSERT_TRUE(SysReAllocStringLen(&text, text + 7, 3));
  EXPECT_EQ(SysStringLen(text), 3u);
  EXPECT_EQ(text[0], 'o');
  EXPECT_EQ(text[2], 'e');
  EXPECT_EQ(text[3], 0);
  SysFreeString(text);
}
}  // namespace
