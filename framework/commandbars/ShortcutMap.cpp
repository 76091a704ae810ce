#include "framework/commandbars/ShortcutMap.h"

#include "framework/commandbars/TkvxBarModule.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/commandbars/TkvxCommandBarControls.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "platform/com/Text.h"

namespace corvane::framework {

void ShortcutMap::Build(const TkvxBarModule& Module) {
  entries_.clear();
  for (TkvxCommandBar* bar : Module.CommandBarList()) {
    if (bar->SupportedApps().Contains(Module.HostKind())) AddItems(bar->Controls());
  }
}

void ShortcutMap::AddItems(const TkvxCommandBarControls& Items) {
  for (size_t i = 0; i < Items.Count(); ++i) {
    TkvxCommandBarControl& item = Items.Items(i);
    if (item.ControlKind() == kvxKindButton) AddButton(static_cast<TkvxCommandBarButton&>(item));
    if (item.ControlKind() == kvxKindPopup) AddItems(static_cast<TkvxCommandBarPopup&>(item).Controls());
  }
}

void ShortcutMap::AddButton(TkvxCommandBarButton& Button) {
  const std::u16string shortcut = Button.ShortcutText();
  if (!shortcut.empty()) entries_.push_back({com::AsciiUpper(shortcut), &Button});
  std::u16string accelerator = AcceleratorOf(Button.Caption());
  if (!accelerator.empty()) entries_.push_back({std::move(accelerator), &Button});
}

std::optional<size_t> ShortcutMap::Find(std::u16string_view Text) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].text == Text) return i;
  }
  return std::nullopt;
}

std::u16string ShortcutMap::AcceleratorOf(std::u16string_view Caption) {
  const size_t amp = Caption.find(u'&');
  if (amp == std::u16string_view::npos || amp + 1 >= Caption.size()) return {};
  return com::AsciiUpper(u"ALT+" + std::u16string(1, Caption[amp + 1]));
}

}  // namespace corvane::framework
