#include "framework/commandbars/TkvxCommandBarButton.h"

#include <exception>

#include "framework/commandbars/TkvxBarModule.h"

namespace corvane::framework {

TkvxCommandBarButton::TkvxCommandBarButton(TkvxCommandBarControls& Collection) : TkvxCommandBarControl(Collection) {}

// The host control itself stays in the host; only the reference and the
// sink go (the link, before the base lets go of the control).
TkvxCommandBarButton::~TkvxCommandBarButton() = default;

void TkvxCommandBarButton::DoClick() { RaiseItemEvent(OnClick); }

void TkvxCommandBarButton::SetGlyph(std::vector<uint8_t> bitmap) {
  glyph_ = std::move(bitmap);
  ApplyGlyph();
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
  if (!glyph_.empty()) ApplyGlyph();
  if (!Temporary()) WriteRecord();
  return applied;
}

}  // namespace corvane::framework
