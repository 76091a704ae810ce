#include "platform/ui/DialogOwner.h"

namespace corvane::ui {

namespace {
HWND owner = nullptr;
}  // namespace

HWND DialogOwner() { return owner; }

void SetDialogOwner(HWND window) { owner = window; }

}  // namespace corvane::ui
