// A button's face through COM: Picture and Mask present or absent by the
// Office version, PasteFace from the clipboard, FaceId and BuiltInFace.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/clipboard/BlockLock.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/com/Variant.h"
#include "platform/graphics/GdiObject.h"
#include "platform/graphics/Picture.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"
#include "tests/sim/office/OfficeObjectsFixture.h"
#include "tests/sim/office/StubDispatch.h"

namespace corvane::sim::office::testing {
namespace {

using com::Variant;

class ButtonFaceTest : public OfficeObjectsTest {
 protected:
  std::shared_ptr<Control> Model() { return set->FindControl(ControlQuery{std::nullopt, std::nullopt, u"f", false}); }

  // Leaves the clipboard holding exactly these formats' bytes.
  static void PutOnClipboard(UINT format, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(clipboard::OpenWithRetry());
    clipboard::Empty();
    if (!bytes.empty()) {
      auto block = clipboard::MemoryBlock::Allocate(bytes.size());
      {
        clipboard::BlockLock lock(block.get());
        std::memcpy(lock.data(), bytes.data(), bytes.size());
      }
      EXPECT_TRUE(clipboard::SetData(format, block));
    }
    clipboard::Close();
  }
};

TEST_F(ButtonFaceTest, PictureAndMaskFollowTheVersionSwitch) {
  for (const bool present : {true, false}) {
    SCOPED_TRACE(present ? "with Picture" : "without Picture");
    set->setPictureMembers(present);
    com::Dispatch button = AddButton(present ? u"With" : u"Without", u"f");
    const HRESULT expected = present ? S_OK : DISP_E_MEMBERNOTFOUND;
    EXPECT_EQ(FailureOf([&] { button.Get(0x6005000E); }), expected);
    EXPECT_EQ(FailureOf([&] { button.Get(0x60050010); }), expected);
    EXPECT_EQ(FailureOf([&] { button.IdOf(u"picture"); }), present ? S_OK : DISP_E_UNKNOWNNAME);
    Model()->props().tag = u"done";
  }
}

TEST_F(ButtonFaceTest, PictureAndMaskSetTheFace) {
  com::Dispatch button = AddButton(u"Corvane", u"f");
  const ui::Bitmap shown{2, 1, {0xFF00FF, 0x123456}};
  graphics::BitmapHandle bitmap(graphics::CreateColorBitmap(shown));
  graphics::BitmapHandle mask(graphics::CreateMaskBitmap(2, 1, {true, false}));
  button.Put(u"Picture", Variant(graphics::CreateBitmapPicture(bitmap.get(), nullptr).as<IDispatch>()));
  // Office copies the pixels: the caller's bitmap may go.
  bitmap.reset();
  EXPECT_EQ(Model()->face().source, ButtonFace::Source::kPicture);
  EXPECT_EQ(Model()->face().pixels.pixels, shown.pixels);
  EXPECT_FALSE(Model()->face().hasMask);
  button.Put(0x60050010, Variant(graphics::CreateBitmapPicture(mask.get(), nullptr).as<IDispatch>()));
  EXPECT_TRUE(Model()->face().hasMask);
  EXPECT_EQ(Model()->face().mask.pixels, (std::vector<uint32_t>{0xFFFFFF, 0}));
  EXPECT_FALSE(button.Get(u"BuiltInFace").ToBool());
  // Nothing but a bitmap picture makes a face.
  EXPECT_EQ(FailureOf([&] { button.Put(u"Mask", Variant(com::ComPtr<IDispatch>())); }), kInvalidArgument);
  EXPECT_EQ(FailureOf([&] { button.Put(u"Picture", Variant(com::Make<StubDispatch<IDispatch>>())); }),
            kInvalidArgument);
  EXPECT_EQ(Model()->face().pixels.pixels, shown.pixels);

  button.Put(0x60050000, Variant(true));
  EXPECT_TRUE(button.Get(u"BuiltInFace").ToBool());
  EXPECT_EQ(FailureOf([&] { button.Put(u"BuiltInFace", Variant(false)); }), kInvalidArgument);
  button.Put(u"FaceId", Variant(59));
  EXPECT_EQ(Model()->face().source, ButtonFace::Source::kFaceId);
}

TEST_F(ButtonFaceTest, PasteFaceTakesTheBitmapOnTheClipboard) {
  com::Dispatch button = AddButton(u"Corvane", u"f");
  const std::vector<uint8_t> dib{40, 0, 0, 0, 16, 0, 0, 0, 16, 0, 0, 0, 1, 0, 8, 0};
  PutOnClipboard(8, dib);
  button.Call(0x60050005);
  EXPECT_EQ(Model()->face().source, ButtonFace::Source::kPasted);
  EXPECT_EQ(Model()->face().bitmap, dib);

  PutOnClipboard(1, {'t', 'e', 'x', 't', 0});  // text only: nothing to paste
  EXPECT_EQ(FailureOf([&] { button.Call(u"PasteFace"); }), kOperationFailed);
  EXPECT_EQ(Model()->face().bitmap, dib);
}

}  // namespace
}  // namespace corvane::sim::office::testing
