#include "platform/clipboard/Clipboard.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/clipboard/ClipboardSession.h"
#include "platform/clipboard/Formats.h"
#include "platform/com/ComError.h"
#include "tests/platform/clipboard/BlockBytes.h"

namespace corvane::clipboard {
namespace {

std::string DataOf(UINT format) { return BytesOf(GetData(format)); }

// Each test starts with the clipboard open and empty and leaves it closed.
class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OpenWithRetry());
    ASSERT_TRUE(Empty());
  }
  void TearDown() override {
    Empty();
    Close();
  }
  void Put(UINT format, const std::string& bytes) {
    MemoryBlock block = Filled(bytes);
    ASSERT_TRUE(SetData(format, block)) << format;
    EXPECT_FALSE(block) << "the clipboard owns the block now";
  }
  void Reopen() {
    ASSERT_TRUE(Close());
    ASSERT_TRUE(Open());
  }

  const UINT first = RegisterFormat(u"Corvane Test First");
  const UINT second = RegisterFormat(u"Corvane Test Second");
  const UINT third = RegisterFormat(u"Corvane Test Third");
};

TEST_F(ClipboardTest, MemoryFormatsRoundTripThroughCloseAndOpen) {
  const std::string text("C\0o\0r\0v\0a\0n\0e\0\0\0", 16);
  const std::string binary("\x01\x00\xff\x7f glyph", 10);
  Put(kUnicodeText, text);
  Put(second, binary);
  Reopen();
  EXPECT_EQ(DataOf(kUnicodeText), text);
  EXPECT_EQ(DataOf(second), binary);
  EXPECT_EQ(GetData(first), nullptr);
}

TEST_F(ClipboardTest, FormatsAreListedInTheOrderTheyWerePut) {
  Put(second, "2");
  Put(third, "3");
  Put(first, "1");
  Reopen();
  EXPECT_EQ(Formats(), (std::vector<UINT>{second, third, first}));
  ASSERT_TRUE(Empty());
  EXPECT_TRUE(Formats().empty());
}

TEST_F(ClipboardTest, PuttingAFormatAgainReplacesItsData) {
  Put(first, "old");
  Put(first, "newer");
  Reopen();
  EXPECT_EQ(DataOf(first), "newer");
  EXPECT_EQ(Formats(), std::vector<UINT>{first});
}

TEST_F(ClipboardTest, NothingWorksWhileTheClipboardIsClosed) {
  Put(first, "kept");
  ASSERT_TRUE(Close());
  EXPECT_FALSE(Close());
  EXPECT_FALSE(Empty());
  EXPECT_TRUE(Formats().empty());
  EXPECT_EQ(GetData(first), nullptr);
  MemoryBlock block = Filled("refused");
  EXPECT_FALSE(SetData(second, block));
  EXPECT_TRUE(block) << "a refused block stays with the caller";

  ASSERT_TRUE(Open());
  EXPECT_EQ(DataOf(first), "kept");
}

TEST_F(ClipboardTest, GraphicsFormatsRefuseMemoryBlocksAndMemoryFormatsRefuseHandles) {
  for (UINT format : {kBitmap, kMetafilePicture, kPalette, kEnhancedMetafile}) {
    MemoryBlock block = Filled("not a bitmap");
    EXPECT_THROW(SetData(format, block), com::ComError) << format;
    EXPECT_TRUE(block);
    EXPECT_FALSE(HoldsMemoryBlock(format));
  }
  MemoryBlock block = Filled("x");
  for (UINT format : {kText, kDib, kUnicodeText, first}) {
    EXPECT_THROW(SetHandle(format, block.get()), com::ComError) << format;
    EXPECT_TRUE(HoldsMemoryBlock(format));
  }
  EXPECT_TRUE(Formats().empty());
}

TEST(ClipboardFormatTest, RegisteredFormatsAreNumberedByNameIgnoringCase) {
  const UINT format = RegisterFormat(u"Corvane Test Registered");
  EXPECT_GE(format, kFirstRegistered);
  EXPECT_LE(format, 0xFFFFu);
  EXPECT_EQ(RegisterFormat(u"Corvane Test Registered"), format);
  EXPECT_EQ(RegisterFormat(u"CORVANE test registered"), format);
  EXPECT_NE(RegisterFormat(u"Corvane Test Registered 2"), format);
  EXPECT_EQ(RegisterFormat(u""), 0u);
}

TEST(ClipboardSessionTest, ClosesTheClipboardItOpened) {
  {
    ClipboardSession session;
    ASSERT_TRUE(session.isOpen());
  }
  EXPECT_FALSE(Close());
}

}  // namespace
}  // namespace corvane::clipboard
