#include "framework/commandbars/TkvxNativeWindow.h"

#include "framework/commandbars/ShortcutMap.h"
#include "framework/commandbars/TkvxBarModule.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Text.h"
#include "platform/input/WindowMessages.h"
#include "published/Office.h"

namespace corvane::framework {
namespace {

bool ReadsTrue(const com::ComPtr<IDispatch>& Object, DISPID Member) {
  return com::Dispatch(Object).Get(Member).ToBool();
}

// An accelerator acts only on what the user can see and use: a visible
// button on an enabled, visible toolbar (a popup menu has its own keys).
bool AcceleratorReachable(const com::ComPtr<IDispatch>& HostButton) {
  const com::ComPtr<IDispatch> bar = com::Dispatch(HostButton).Get(Office::CommandBarControl::Parent).ToDispatch();
  if (!bar) return false;
  com::Dispatch parent(bar);
  return parent.Get(Office::CommandBar::Type).ToInt32() != Office::msoBarTypePopup &&
         parent.Get(Office::CommandBar::Enabled).ToBool() && parent.Get(Office::CommandBar::Visible).ToBool() &&
         ReadsTrue(HostButton, Office::CommandBarControl::Visible);
}

}  // namespace

TkvxNativeWindow::TkvxNativeWindow(TkvxBarModule& Module, const ShortcutMap& Map, std::u16string_view Text)
    : module_(Module), map_(Map), window_(u"TkvxNativeWindow", Text) {
  window_.SetHandler([this](HWND, UINT message, WPARAM wParam, LPARAM) { Handle(message, wParam); });
}

void TkvxNativeWindow::Handle(UINT Message, WPARAM WParam) {
  if (Message == WM_KEYDOWN && WParam < map_.Entries().size()) OnShortcut(static_cast<size_t>(WParam));
}

// A host that cannot answer gets no click: the window procedure's guard
// drops the key.
void TkvxNativeWindow::OnShortcut(size_t Index) {
  const ShortcutMap::Entry& entry = map_.Entries()[Index];
  const com::ComPtr<IDispatch>& host = entry.button->HostButton();
  if (!host || !ReadsTrue(host, Office::CommandBarControl::Enabled)) return;
  const bool shortcut = entry.text == com::AsciiUpper(entry.button->ShortcutText());
  if (!shortcut && !AcceleratorReachable(host)) return;
  TkvxCommandBarButton* button = entry.button;
  try {
    button->DoClick();
  } catch (...) {
    module_.HandleError(std::current_exception());
  }
}

}  // namespace corvane::framework
