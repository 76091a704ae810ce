#include "platform/ui/ModalDialog.h"

#include <algorithm>

namespace corvane::ui {

namespace {
const DialogControl* FirstWhere(const ModalDialog& dialog, bool DialogControl::*flag) {
  auto found = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                            [&](const DialogControl& control) { return control.*flag; });
  return found == dialog.controls.end() ? nullptr : &*found;
}
}  // namespace

const DialogControl* DefaultButton(const ModalDialog& dialog) { return FirstWhere(dialog, &DialogControl::isDefault); }

const DialogControl* CancelButton(const ModalDialog& dialog) { return FirstWhere(dialog, &DialogControl::isCancel); }

}  // namespace corvane::ui
