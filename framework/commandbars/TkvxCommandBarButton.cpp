#include "framework/commandbars/TkvxCommandBarButton.h"

#include <exception>

#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::framework {

TkvxCommandBarButton::TkvxCommandBarButton(TkvxCommandBarControls& Collection) : TkvxCommandBarControl(Collection) {}

// The host control itself stays in the host; only the reference and the
// sink go.
TkvxCommandBarButton::~TkvxCommandBarButton() { DropSink(); }

void TkvxCommandBarButton::DoClick() {
  if (busy_) return;
  busy_ = true;
  // Cleared on every way out, a failing handler included.
  struct ClearBusy {
    bool& flag;
    ~ClearBusy() { flag = false; }
  } clear{busy_};
  if (!OnClick) return;
  try {
    OnClick(this);
  } catch (...) {
    Module().HandleError(std::current_exception());
  }
}

void TkvxCommandBarButton::SetGlyph(std::vector<uint8_t> bitmap) {
  glyph_ = std::move(bitmap);
  ApplyGlyph();
}

void TkvxCommandBarButton::DropSink() noexcept {
  if (!sink_) return;
  // Unadvised while the control it was advised on is still held.
  sink_->DisconnectSink();
  Module().RemoveSink(sink_.get());
  sink_ = nullptr;
}

void TkvxCommandBarButton::AttachHostControl(com::ComPtr<IDispatch> Control) {
  DropSink();
  com::ComPtr<IDispatch> button;
  if (Control && FAILED(Control->QueryInterface(kCommandBarButtonIid, button.put_void()))) button = nullptr;
  TkvxCommandBarControl::AttachHostControl(std::move(Control));
  hostButton_ = std::move(button);
  if (!hostButton_) return;
  sink_ = TkvxEventSink::Create(Module(), *this);
  Module().AddSink(sink_.get());
}

bool TkvxCommandBarButton::UpdateControl() {
  const bool applied = TkvxCommandBarControl::UpdateControl();
  if (!applied || !hostButton_) return applied;
  if (faceId_ != 0) PushStored(faceId_, kDispButtonFaceId);
  PushStored(shortcutText_, kDispButtonShortcutText);
  PushStored(state_, kDispButtonState);
  PushStored(style_, kDispButtonStyle);
  // The link kind is the user's: the design takes the host's value.
  hyperlinkType_ = HyperlinkType();
  if (!glyph_.empty()) ApplyGlyph();
  if (!Temporary()) WriteRecord();
  return applied;
}

}  // namespace corvane::framework
