// Bitmaps and palettes behind handles, and picture objects over them: what
// a host that takes a picture for a button face reads back.
#include <gtest/gtest.h>

#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/graphics/GdiObject.h"
#include "platform/graphics/Picture.h"
#include "tests/support/BitmapFiles.h"

namespace corvane::graphics {
namespace {

const ui::Bitmap kGlyph = corvane::testing::PixelsOf(corvane::testing::AddInStyleGlyph());

TEST(PictureTest, BitmapsMasksAndPalettesGiveBackWhatMadeThem) {
  const BitmapHandle bitmap(CreateColorBitmap(kGlyph));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(PixelsOf(bitmap.get()).pixels, kGlyph.pixels);

  const std::vector<bool> set{true, false, false, true, true, false};
  const BitmapHandle mask(CreateMaskBitmap(3, 2, set));
  const ui::Bitmap maskPixels = PixelsOf(mask.get());
  EXPECT_EQ(maskPixels.width, 3);
  EXPECT_EQ(maskPixels.pixels, (std::vector<uint32_t>{0xFFFFFF, 0, 0, 0xFFFFFF, 0xFFFFFF, 0}));

  const std::vector<uint32_t> colors{0xFF00FF, 0x123456, 0xFFFFFF};
  const PaletteHandle palette(CreateColorPalette(colors));
  EXPECT_EQ(PaletteColors(palette.get()), colors);
}

TEST(PictureTest, APictureShowsItsBitmapWithoutOwningIt) {
  BitmapHandle bitmap(CreateColorBitmap(kGlyph));
  const PaletteHandle palette(CreateColorPalette({0xFF00FF}));
  {
    const com::ComPtr<IPicture> picture = CreateBitmapPicture(bitmap.get(), palette.get());
    SHORT type = 0;
    OLE_HANDLE handle = 0;
    ASSERT_EQ(picture->get_Type(&type), S_OK);
    EXPECT_EQ(type, PICTYPE_BITMAP);
    ASSERT_EQ(picture->get_Handle(&handle), S_OK);
    EXPECT_EQ(FromOleHandle<HBITMAP>(handle), bitmap.get());
    EXPECT_EQ(PixelsOfPicture(picture.get()).pixels, kGlyph.pixels);
    EXPECT_TRUE(picture.try_as<IDispatch>());
  }
  // The picture is gone; the bitmap it showed is still the caller's.
  EXPECT_EQ(PixelsOf(bitmap.get()).pixels, kGlyph.pixels);
  EXPECT_TRUE(DeleteGdiObject(bitmap.release()));
}

TEST(PictureTest, WhatIsNoLiveBitmapHasNoPixels) {
  HBITMAP gone = CreateColorBitmap(kGlyph);
  ASSERT_TRUE(DeleteGdiObject(gone));
  EXPECT_TRUE(PixelsOf(gone).Empty());
  EXPECT_FALSE(DeleteGdiObject(gone));
  EXPECT_TRUE(PixelsOfPicture(nullptr).Empty());
}

}  // namespace
}  // namespace corvane::graphics
