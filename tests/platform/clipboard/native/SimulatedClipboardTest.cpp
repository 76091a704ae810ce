#include "platform/clipboard/portable/Simulation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <thread>

#include "platform/clipboard/BlockLock.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/ClipboardSession.h"
#include "platform/clipboard/GlobalMemory.h"

namespace corvane::clipboard {
namespace {

using std::chrono::milliseconds;

class SimulatedClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetClipboard();
    baseline = LiveBlockCount();
  }
  void TearDown() override {
    ResetClipboard();
    EXPECT_EQ(LiveBlockCount(), baseline) << "memory blocks leaked";
  }
  size_t baseline = 0;
};

TEST_F(SimulatedClipboardTest, AClipboardHeldByAnotherProgramCannotBeOpened) {
  HoldByAnotherProgram(true);
  EXPECT_FALSE(Open());
  EXPECT_FALSE(OpenWithRetry(5, milliseconds(1)));
  EXPECT_EQ(FailedOpens(), 6);
  {
    ClipboardSession session(3, milliseconds(0));
    EXPECT_FALSE(session.isOpen());
  }
  EXPECT_EQ(FailedOpens(), 9);

  HoldByAnotherProgram(false);
  EXPECT_TRUE(OpenWithRetry(5, milliseconds(1)));
  EXPECT_EQ(FailedOpens(), 9);
  EXPECT_TRUE(Close());
}

TEST_F(SimulatedClipboardTest, OpenWithRetrySucceedsOnceTheOtherProgramLetsGo) {
  HoldByAnotherProgram(true);
  std::thread other([] {
    std::this_thread::sleep_for(milliseconds(30));
    HoldByAnotherProgram(false);
  });
  EXPECT_TRUE(OpenWithRetry(101, milliseconds(10)));
  other.join();
  EXPECT_GT(FailedOpens(), 0);
  EXPECT_TRUE(Close());
}

TEST_F(SimulatedClipboardTest, OnlyOneThreadHasItOpenAtATime) {
  ASSERT_TRUE(Open());
  EXPECT_FALSE(std::async(std::launch::async, [] { return Open(); }).get());
  EXPECT_FALSE(std::async(std::launch::async, [] { return Close(); }).get());
  EXPECT_TRUE(Close());
  EXPECT_TRUE(std::async(std::launch::async, [] { return Open() && Close(); }).get());
}

TEST_F(SimulatedClipboardTest, ContentsCanBeInspectedWithoutOpeningAndEmptyingFreesThem) {
  const UINT format = RegisterFormat(u"Corvane Simulated");
  ASSERT_TRUE(Open());
  MemoryBlock block = MemoryBlock::Allocate(3);
  std::memcpy(BlockLock(block.get()).data(), "abc", 3);
  HGLOBAL handed = block.get();
  ASSERT_TRUE(SetData(format, block));
  HANDLE bitmap = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x5150));
  ASSERT_TRUE(SetHandle(2, bitmap));
  ASSERT_TRUE(Close());

  const std::vector<ClipboardEntry> contents = Contents();
  ASSERT_EQ(contents.size(), 2u);
  EXPECT_EQ(contents[0].format, format);
  EXPECT_EQ(contents[0].handle, handed);
  EXPECT_EQ(contents[0].bytes, (std::vector<BYTE>{'a', 'b', 'c'}));
  EXPECT_EQ(contents[1].format, 2u);
  EXPECT_EQ(contents[1].handle, bitmap);
  EXPECT_TRUE(contents[1].bytes.empty());
  EXPECT_EQ(LiveBlockCount(), baseline + 1);

  ASSERT_TRUE(Open());
  ASSERT_TRUE(Empty());
  ASSERT_TRUE(Close());
  EXPECT_TRUE(Contents().empty());
  EXPECT_EQ(LiveBlockCount(), baseline);
}

TEST_F(SimulatedClipboardTest, ForeignHandlesAreRefusedNotTrusted) {
  int notABlock = 0;
  HGLOBAL foreign = &notABlock;
  EXPECT_EQ(global::Lock(foreign), nullptr);
  EXPECT_FALSE(global::Unlock(foreign));
  EXPECT_EQ(global::Size(foreign), 0u);
  EXPECT_EQ(global::Free(foreign), foreign);

  ASSERT_TRUE(Open());
  MemoryBlock wrapped(foreign);
  EXPECT_FALSE(SetData(RegisterFormat(u"Corvane Foreign"), wrapped));
  wrapped.release();
  EXPECT_TRUE(Close());
}

}  // namespace
}  // namespace corvane::clipboard
