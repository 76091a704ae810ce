#include "framework/commandbars/TkvxCommandBarButton.h"

#include <exception>

#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::framework {

TkvxCommandBarButton::TkvxCommandBarButton(TkvxCommandBarControls& Collection) : TkvxCommandBarControl(Collection) {}

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

}  // namespace corvane::framework
