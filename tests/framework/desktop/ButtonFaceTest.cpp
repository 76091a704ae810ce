// Button faces reaching the simulated Office: as picture and mask where
// its buttons take them, else pasted through the clipboard, the user's
// clipboard put back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/ClipboardHolder.h"
#include "platform/clipboard/ClipboardSession.h"
#include "platform/clipboard/Formats.h"
#include "platform/graphics/Gdi.h"
#include "sim/office/model/ButtonFace.h"
#include "tests/framework/BindingFixture.h"
#include "tests/platform/clipboard/BlockBytes.h"
#include "tests/support/BitmapFiles.h"

namespace corvane::framework::testing {
namespace {

using sim::office::ButtonFace;
using Source = ButtonFace::Source;

constexpr char16_t kUserText[] = u"copied by the user";
const std::string kUserData = "private data\x01\x02";

const ui::Bitmap kGlyph = corvane::testing::PixelsOf(corvane::testing::AddInStyleGlyph());
const std::vector<uint8_t> kGlyphFile = corvane::testing::BitmapFileOf(corvane::testing::AddInStyleGlyph());

// The glyph with one colour replaced.
ui::Bitmap Replaced(ui::Bitmap pixels, uint32_t color, uint32_t by) {
  for (uint32_t& pixel : pixels.pixels) {
    if (pixel == color) pixel = by;
  }
  return pixels;
}

// White where the glyph shows the colour, black elsewhere.
ui::Bitmap MaskOf(const ui::Bitmap& glyph, uint32_t color) {
  ui::Bitmap mask = glyph;
  for (uint32_t& pixel : mask.pixels) pixel = pixel == color ? 0xFFFFFF : 0x000000;
  return mask;
}

bool operator==(const ui::Bitmap& a, const ui::Bitmap& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

class ButtonFaceTest : public BindingTest {
 protected:
  void StartOffice(bool pictureMembers) {
    inject = [this, pictureMembers] { Bars()->setPictureMembers(pictureMembers); };
    Start({.buttons = 1});
    inject = nullptr;
  }
  const ButtonFace& Face() const { return Tagged(0).at(0)->face(); }
  void ExpectDesignedGlyphOncePerRevision(bool pictureMembers, const ui::Bitmap& shown) {
    addItems = [](TkvxCommandBar& bar, const Design&) {
      static_cast<TkvxCommandBarButton&>(bar.Controls().Items(0)).SetGlyph(kGlyphFile);
    };
    StartOffice(pictureMembers);
    EXPECT_TRUE(Face().pixels == shown);
    // A restart whose records match leaves the face to the user.
    StartOffice(pictureMembers);
    EXPECT_EQ(HostCalls(u"Picture") + HostCalls(u"PasteFace"), 0u);
    EXPECT_TRUE(errors->messages.empty());
  }
  static uint64_t HostCalls(std::u16string_view member) {
    return sim::Instrumentation::Instance().Calls(u"CommandBarButton", member);
  }

  // What the user copied: text and a format of another program's.
  static void CopyUserData() {
    clipboard::ClipboardSession session;
    ASSERT_TRUE(session.isOpen());
    clipboard::Empty();
    const std::u16string text(kUserText);
    clipboard::MemoryBlock textBlock =
        clipboard::Filled(std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * 2));
    ASSERT_TRUE(clipboard::SetData(clipboard::kUnicodeText, textBlock));
    clipboard::MemoryBlock dataBlock = clipboard::Filled(kUserData);
    ASSERT_TRUE(clipboard::SetData(PrivateFormat(), dataBlock));
  }
  static UINT PrivateFormat() { return clipboard::RegisterFormat(u"Corvane Test Data"); }
  static void ExpectUserDataBack() {
    clipboard::ClipboardSession session;
    ASSERT_TRUE(session.isOpen());
    const std::string text = clipboard::BytesOf(clipboard::GetData(clipboard::kUnicodeText));
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size() / 2 - 1), kUserText);
    EXPECT_EQ(clipboard::BytesOf(clipboard::GetData(PrivateFormat())), kUserData);
  }
};

TEST_F(ButtonFaceTest, AHostWithPicturesGetsTheGlyphAndItsMaskAndTheClipboardIsLeftAlone) {
  struct Case {
    const char* what;
    int32_t transparentColor;
    uint32_t transparent;  // 0x00RRGGBB
  };
  const Case cases[] = {
      {"bottom-left pixel", TkvxCommandBarButton::kDefaultTransparentColor, 0xFF00FF},
      {"a set colour wins", 0x0000FF /* red, as the design stores colours */, 0xFF0000},
  };
  StartOffice(true);
  CopyUserData();
  for (const Case& c : cases) {
    Button(0).SetGlyphTransparentColor(c.transparentColor);
    Button(0).SetGlyph(kGlyphFile);
    EXPECT_EQ(Face().source, Source::kPicture) << c.what;
    EXPECT_TRUE(Face().pixels == kGlyph) << c.what;
    EXPECT_TRUE(Face().hasMask) << c.what;
    EXPECT_TRUE(Face().mask == MaskOf(kGlyph, c.transparent)) << c.what;
  }
  EXPECT_EQ(HostCalls(u"PasteFace"), 0u);
  ExpectUserDataBack();
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ButtonFaceTest, AHostWithoutPicturesGetsThePasteOnTheButtonFaceColourAndTheUserKeepsTheClipboard) {
  StartOffice(false);
  CopyUserData();
  Button(0).SetGlyph(kGlyphFile);
  EXPECT_EQ(Face().source, Source::kPasted);
  EXPECT_TRUE(Face().pixels == Replaced(kGlyph, 0xFF00FF, graphics::ButtonFaceColor()));
  ExpectUserDataBack();

  Button(0).SetGlyphTransparentColor(0x00FF00);  // green
  Button(0).SetGlyph(kGlyphFile);
  EXPECT_TRUE(Face().pixels == Replaced(kGlyph, 0x00FF00, graphics::ButtonFaceColor()));
  ExpectUserDataBack();
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ButtonFaceTest, AFailingPictureProbeTakesTheClipboardPath) {
  StartOffice(true);
  sim::Instrumentation::Instance().FailMember(u"CommandBarButton", u"Picture", E_FAIL, u"no pictures here");
  Button(0).SetGlyph(kGlyphFile);
  EXPECT_EQ(Face().source, Source::kPasted);
  EXPECT_TRUE(Face().pixels == Replaced(kGlyph, 0xFF00FF, graphics::ButtonFaceColor()));
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ButtonFaceTest, AClipboardHeldElsewhereMeansNoPasteAndNothingRestored) {
  StartOffice(false);
  CopyUserData();
  const ButtonFace before = Face();
  {
    clipboard::ClipboardHolder holder;
    Button(0).SetGlyph(kGlyphFile);
  }
  EXPECT_EQ(HostCalls(u"PasteFace"), 0u);
  EXPECT_EQ(Face().source, before.source);
  ExpectUserDataBack();
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ButtonFaceTest, EmptyOrUnreadableGlyphsLeaveTheFaceAsItWas) {
  StartOffice(true);
  Button(0).SetGlyph(kGlyphFile);
  Button(0).SetGlyph({});
  EXPECT_TRUE(Face().pixels == kGlyph);
  EXPECT_TRUE(errors->messages.empty());

  Button(0).SetGlyph({'B', 'M', 0, 0});
  EXPECT_TRUE(Face().pixels == kGlyph);
  ASSERT_EQ(errors->messages.size(), 1u);
}

TEST_F(ButtonFaceTest, TheDesignedGlyphReachesAHostWithPicturesOncePerRevision) {
  ExpectDesignedGlyphOncePerRevision(true, kGlyph);
}

TEST_F(ButtonFaceTest, TheDesignedGlyphIsPastedOncePerRevision) {
  ExpectDesignedGlyphOncePerRevision(false, Replaced(kGlyph, 0xFF00FF, graphics::ButtonFaceColor()));
}

}  // namespace
}  // namespace corvane::framework::testing
