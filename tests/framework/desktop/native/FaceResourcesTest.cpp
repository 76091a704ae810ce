// What a pasted face costs the portable clipboard and graphics: formats
// whose data are handles are not saved, a copy the clipboard refuses is
// freed, and no bitmap, palette or memory block outlives the paste.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/commandbars/TSaveClipboard.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/ClipboardSession.h"
#include "platform/clipboard/Formats.h"
#include "platform/clipboard/portable/Simulation.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/portable/Simulation.h"
#include "tests/framework/BindingFixture.h"
#include "tests/platform/clipboard/BlockBytes.h"
#include "tests/support/BitmapFiles.h"

namespace corvane::framework::testing {
namespace {

constexpr UINT kRefusedLater = 0xC123;

std::vector<UINT> FormatsNow() {
  clipboard::ClipboardSession session;
  return clipboard::Formats();
}

// Text, a bitmap, both metafile kinds and a private format.
void FillClipboard() {
  clipboard::ClipboardSession session;
  ASSERT_TRUE(session.isOpen());
  clipboard::Empty();
  for (UINT format : {clipboard::kText, kRefusedLater}) {
    clipboard::MemoryBlock block = clipboard::Filled("data of " + std::to_string(format));
    ASSERT_TRUE(clipboard::SetData(format, block));
  }
  ASSERT_TRUE(clipboard::SetHandle(clipboard::kBitmap, graphics::CreateColorBitmap({1, 1, {0x123456}})));
  ASSERT_TRUE(clipboard::SetHandle(clipboard::kMetafilePicture, graphics::CreateColorBitmap({1, 1, {1}})));
  ASSERT_TRUE(clipboard::SetHandle(clipboard::kEnhancedMetafile, graphics::CreateColorBitmap({1, 1, {2}})));
}

class FaceResourcesTest : public BindingTest {
 protected:
  FaceResourcesTest() { clipboard::ResetClipboard(); }
  ~FaceResourcesTest() override { clipboard::ResetClipboard(); }
};

TEST_F(FaceResourcesTest, OnlyMemoryFormatsAreSavedAndPutBack) {
  FillClipboard();
  TSaveClipboard saver;
  saver.SaveClipboard();
  EXPECT_EQ(saver.Count(), 2u);
  {
    clipboard::ClipboardSession session;
    clipboard::Empty();
  }
  saver.RestoreClipboard();
  EXPECT_EQ(saver.Count(), 0u);
  EXPECT_EQ(FormatsNow(), (std::vector<UINT>{clipboard::kText, kRefusedLater}));
  clipboard::ClipboardSession session;
  EXPECT_EQ(clipboard::BytesOf(clipboard::GetData(kRefusedLater)), "data of " + std::to_string(kRefusedLater));
}

TEST_F(FaceResourcesTest, APasteLeavesNoHandleOrBlockBehindEvenWhenACopyIsRefused) {
  inject = [this] { Bars()->setPictureMembers(false); };
  Start({.buttons = 1});
  FillClipboard();
  const size_t blocks = clipboard::LiveBlockCount();
  const size_t objects = graphics::LiveGdiObjectCount();
  clipboard::RefuseFormat(kRefusedLater, true);
  Button(0).SetGlyph(corvane::testing::BitmapFileOf(corvane::testing::AddInStyleGlyph()));
  clipboard::RefuseFormat(kRefusedLater, false);

  EXPECT_EQ(Tagged(0).at(0)->face().source, sim::office::ButtonFace::Source::kPasted);
  EXPECT_EQ(FormatsNow(), std::vector<UINT>{clipboard::kText});
  // The refused copy and the private format's block are gone; the three
  // handle formats went with the emptied clipboard.
  EXPECT_EQ(clipboard::LiveBlockCount(), blocks - 1);
  EXPECT_EQ(graphics::LiveGdiObjectCount(), objects - 3);
  EXPECT_TRUE(errors->messages.empty());
}

}  // namespace
}  // namespace corvane::framework::testing
