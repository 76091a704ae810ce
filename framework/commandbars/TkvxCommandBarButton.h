// A command bar button item: the shared item properties plus the button's
// own, its glyph, and OnClick behind a busy flag. Bound to a host button it
// owns the click sink advised on it, listed in the module's sinks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/commandbars/ControlEventLink.h"
#include "framework/commandbars/GlyphFace.h"
#include "framework/commandbars/TkvxCommandBarControl.h"
#include "framework/design/Events.h"

namespace corvane::framework {

class TkvxCommandBarButton : public TkvxCommandBarControl {
 public:
  // The default GlyphTransparentColor: the glyph's bottom-left pixel gives
  // the transparent colour.
  static constexpr int32_t kDefaultTransparentColor = GlyphFace::kDefaultColor;

  explicit TkvxCommandBarButton(TkvxCommandBarControls& Collection);
  ~TkvxCommandBarButton() override;

  std::string_view ClassName() const override { return "TkvxCommandBarButton"; }
  int32_t ControlKind() const override { return kvxKindButton; }
  // Raises OnClick with this button as Sender, unless this button's click is
  // already running (a click arriving meanwhile is dropped). An exception of
  // the handler goes to the module's HandleError.
  void DoClick() override;

  int32_t FaceID() const { return ReadThrough(faceId_, Office::CommandBarButton::FaceId); }
  void SetFaceID(int32_t v) { Store(faceId_, v, Office::CommandBarButton::FaceId); }
  std::u16string ShortcutText() const { return ReadThrough(shortcutText_, Office::CommandBarButton::ShortcutText); }
  void SetShortcutText(std::u16string_view v) {
    Store(shortcutText_, std::u16string(v), Office::CommandBarButton::ShortcutText);
  }
  TkvxMsoButtonState State() const { return ReadThrough(state_, Office::CommandBarButton::State); }
  void SetState(TkvxMsoButtonState v) { Store(state_, v, Office::CommandBarButton::State); }
  TkvxMsoButtonStyle Style() const { return ReadThrough(style_, Office::CommandBarButton::Style); }
  void SetStyle(TkvxMsoButtonStyle v) { Store(style_, v, Office::CommandBarButton::Style); }
  TkvxMsoCommandBarButtonHyperlinkType HyperlinkType() const {
    return ReadThrough(hyperlinkType_, Office::CommandBarButton::HyperlinkType);
  }
  void SetHyperlinkType(TkvxMsoCommandBarButtonHyperlinkType v) {
    Store(hyperlinkType_, v, Office::CommandBarButton::HyperlinkType);
  }

  // Drops the sink of the button bound before (disconnected, off the
  // module's list), then binds; a host button gets a new sink. A sink that
  // cannot be advised is thrown, the control staying bound without one.
  void AttachHostControl(com::ComPtr<IDispatch> Control) override;
  // The host button (the control as a button), or null.
  const com::ComPtr<IDispatch>& HostButton() const { return link_.Host(); }
  TkvxEventSink* Sink() const { return link_.Sink(); }
  // The base update, then the button's own properties and the revision
  // record (not for a temporary button).
  bool UpdateControl() override;
  // The shared properties, then the button's own and its glyph.
  void Assign(const TkvxCommandBarControl& Source) override;

  // A Windows bitmap file (its bytes from "BM" on); empty: no glyph. Set
  // on a bound button it becomes the face; an empty one leaves the host's
  // face as it is (the host has no face to go back to but its own).
  const std::vector<uint8_t>& Glyph() const { return glyph_; }
  void SetGlyph(std::vector<uint8_t> bitmap);
  int32_t GlyphTransparentColor() const { return glyphTransparentColor_; }
  void SetGlyphTransparentColor(int32_t v) { glyphTransparentColor_ = v; }
  bool DisableStandardAction() const { return disableStandardAction_; }
  void SetDisableStandardAction(bool v) { disableStandardAction_ = v; }

  // Gives the glyph to the bound host button as its face: as picture and
  // mask where the host takes them, else pasted through the clipboard (whose
  // contents are put back). Failures go to HandleError; the face stays.
  // Nothing while unbound or without a glyph.
  void ApplyFace();

  TNotifyEvent OnClick;

 private:
  bool ApplyFaceDirect(const GlyphFace& face);
  void ApplyFaceByClipboard(const GlyphFace& face);
  void PasteFaceWithRetry();

  ControlEventLink link_;
  int32_t faceId_ = 0;
  std::u16string shortcutText_;
  TkvxMsoButtonState state_ = kvxMsoButtonUp;
  TkvxMsoButtonStyle style_ = kvxMsoButtonAutomatic;
  TkvxMsoCommandBarButtonHyperlinkType hyperlinkType_ = kvxMsoCommandBarButtonHyperlinkNone;
  std::vector<uint8_t> glyph_;
  int32_t glyphTransparentColor_ = kDefaultTransparentColor;
  bool disableStandardAction_ = false;
};

}  // namespace corvane::framework
