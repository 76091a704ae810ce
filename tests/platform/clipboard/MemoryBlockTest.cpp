#include "platform/clipboard/MemoryBlock.h"

#include <gtest/gtest.h>

#include "platform/clipboard/GlobalMemory.h"
#include "tests/platform/clipboard/BlockBytes.h"

namespace corvane::clipboard {
namespace {

TEST(MemoryBlockTest, AllocatesZeroedMovableBlocksOfTheAskedSize) {
  MemoryBlock block = MemoryBlock::Allocate(24);
  ASSERT_TRUE(block);
  EXPECT_EQ(block.size(), 24u);
  BlockLock lock(block.get());
  ASSERT_TRUE(lock);
  EXPECT_EQ(lock.size(), 24u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(lock.data()), 24), std::string(24, '\0'));
}

TEST(MemoryBlockTest, CopiesAreIndependentAndEmptySourcesGiveNoCopy) {
  MemoryBlock source = Filled(std::string("face\0data", 9));
  MemoryBlock copy = MemoryBlock::CopyOf(source.get());
  ASSERT_TRUE(copy);
  EXPECT_NE(copy.get(), source.get());
  EXPECT_EQ(BytesOf(copy.get()), std::string("face\0data", 9));
  {
    BlockLock lock(source.get());
    lock.data()[0] = 'F';
  }
  EXPECT_EQ(BytesOf(copy.get())[0], 'f');

  // A block of no bytes cannot be locked (as a discarded block), so there is
  // nothing to copy.
  MemoryBlock none = MemoryBlock::Allocate(0);
  EXPECT_FALSE(MemoryBlock::CopyOf(none.get()));
  EXPECT_FALSE(MemoryBlock::CopyOf(nullptr));
}

TEST(MemoryBlockTest, LocksNestAndReleaseHandsOverOwnership) {
  MemoryBlock block = MemoryBlock::Allocate(8);
  ASSERT_NE(global::Lock(block.get()), nullptr);
  ASSERT_NE(global::Lock(block.get()), nullptr);
  EXPECT_TRUE(global::Unlock(block.get()));   // still locked once
  EXPECT_FALSE(global::Unlock(block.get()));  // now unlocked

  MemoryBlock moved = std::move(block);
  EXPECT_FALSE(block);
  HGLOBAL raw = moved.release();
  EXPECT_FALSE(moved);
  EXPECT_EQ(moved.size(), 0u);
  EXPECT_EQ(global::Free(raw), nullptr);
}

}  // namespace
}  // namespace corvane::clipboard
