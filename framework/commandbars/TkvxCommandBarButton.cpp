#include "framework/commandbars/TkvxCommandBarButton.h"

#include <chrono>
#include <exception>
#include <thread>

#include "framework/commandbars/GlyphFace.h"
#include "framework/commandbars/TSaveClipboard.h"
#include "framework/commandbars/TkvxBarModule.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/ClipboardSession.h"
#include "platform/clipboard/Formats.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/ScopeExit.h"
#include "platform/graphics/Picture.h"

namespace corvane::framework {

TkvxCommandBarButton::TkvxCommandBarButton(TkvxCommandBarControls& Collection) : TkvxCommandBarControl(Collection) {}

// The host control itself stays in the host; only the reference and the
// sink go (the link, before the base lets go of the control).
TkvxCommandBarButton::~TkvxCommandBarButton() = default;

void TkvxCommandBarButton::DoClick() { RaiseItemEvent(OnClick); }

void TkvxCommandBarButton::SetGlyph(std::vector<uint8_t> bitmap) {
  glyph_ = std::move(bitmap);
  ApplyFace();
}

void TkvxCommandBarButton::AttachHostControl(com::ComPtr<IDispatch> Control) {
  link_.Drop();
  TkvxCommandBarControl::AttachHostControl(std::move(Control));
  link_.Bind(*this, Office::CommandBarButton::iid);
}

void TkvxCommandBarButton::Assign(const TkvxCommandBarControl& Source) {
  TkvxCommandBarControl::Assign(Source);
  const auto* button = dynamic_cast<const TkvxCommandBarButton*>(&Source);
  if (!button) return;
  SetFaceID(button->FaceID());
  SetShortcutText(button->ShortcutText());
  SetState(button->State());
  SetStyle(button->Style());
  SetHyperlinkType(button->HyperlinkType());
  SetGlyph(button->Glyph());
  SetGlyphTransparentColor(button->GlyphTransparentColor());
}

bool TkvxCommandBarButton::UpdateControl() {
  const bool applied = TkvxCommandBarControl::UpdateControl();
  if (!applied || !HostButton()) return applied;
  if (faceId_ != 0) PushStored(faceId_, Office::CommandBarButton::FaceId);
  PushStored(shortcutText_, Office::CommandBarButton::ShortcutText);
  PushStored(state_, Office::CommandBarButton::State);
  PushStored(style_, Office::CommandBarButton::Style);
  // The link kind is the user's: the design takes the host's value.
  hyperlinkType_ = HyperlinkType();
  if (!glyph_.empty()) ApplyFace();
  if (!Temporary()) WriteRecord();
  return applied;
}

namespace {

constexpr int kPasteAttempts = 11;
constexpr std::chrono::milliseconds kPastePause(10);

void PutPicture(IDispatch* host, DISPID member, HBITMAP bitmap, HPALETTE palette) {
  if (!bitmap) throw com::ComError(E_OUTOFMEMORY, u"The glyph's bitmap cannot be made.");
  const com::ComPtr<IPicture> picture = graphics::CreateBitmapPicture(bitmap, palette);
  com::Dispatch::InvokeId(host, member, DISPATCH_PROPERTYPUT, {com::Variant(picture.as<IDispatch>())});
}

// Empties the clipboard and puts the bitmap on it; false when the clipboard
// cannot be had. The clipboard owns the bitmap once it took it.
bool PutOnClipboard(graphics::BitmapHandle bitmap) {
  clipboard::ClipboardSession session;
  if (!session.isOpen()) return false;
  clipboard::Empty();
  if (clipboard::SetHandle(clipboard::kBitmap, bitmap.get())) bitmap.release();
  return true;
}

}  // namespace

void TkvxCommandBarButton::ApplyFace() {
  if (!HostButton() || glyph_.empty()) return;
  try {
    const GlyphFace face(glyph_, glyphTransparentColor_);
    if (!ApplyFaceDirect(face)) ApplyFaceByClipboard(face);
  } catch (...) {
    Module().HandleError(std::current_exception());
  }
}

// A host without Picture and Mask fails the first read: that is its normal
// answer, not an error, and the clipboard takes over.
bool TkvxCommandBarButton::ApplyFaceDirect(const GlyphFace& face) {
  IDispatch* host = HostButton().get();
  try {
    com::Dispatch::InvokeId(host, Office::CommandBarButton::Picture, DISPATCH_PROPERTYGET, {});
    const graphics::BitmapHandle bitmap = face.Bitmap();
    const graphics::PaletteHandle palette = face.Palette();
    PutPicture(host, Office::CommandBarButton::Picture, bitmap.get(), palette.get());
    const graphics::BitmapHandle mask = face.Mask();
    PutPicture(host, Office::CommandBarButton::Mask, mask.get(), nullptr);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// The user's clipboard is put back on every way out, a failure included.
void TkvxCommandBarButton::ApplyFaceByClipboard(const GlyphFace& face) {
  TSaveClipboard saver;
  saver.SaveClipboard();
  auto restore = com::ScopeExit([&] { saver.RestoreClipboard(); });
  graphics::BitmapHandle drawn = face.OnBackground(graphics::ButtonFaceColor());
  if (!drawn) throw com::ComError(E_OUTOFMEMORY, u"The button face cannot be drawn.");
  if (PutOnClipboard(std::move(drawn))) PasteFaceWithRetry();
}

// A host busy with its own clipboard work refuses now and then; a face that
// never pastes stays as it was, unreported.
void TkvxCommandBarButton::PasteFaceWithRetry() {
  for (int attempt = 0; attempt < kPasteAttempts; ++attempt) {
    try {
      com::Dispatch::InvokeId(HostButton().get(), Office::CommandBarButton::PasteFace, DISPATCH_METHOD, {});
      return;
    } catch (const std::exception&) {
      std::this_thread::sleep_for(kPastePause);
    }
  }
}

}  // namespace corvane::framework
