#include "platform/ui/MessageBoxStyle.h"

#include <algorithm>
#include <iterator>

#include "platform/com/ComError.h"
#include "platform/com/Text.h"

namespace corvane::ui {

namespace {

struct ButtonSet {
  std::vector<Button> buttons;
  UINT style;
};

const std::vector<ButtonSet>& ButtonSets() {
  using B = Button;
  static const std::vector<ButtonSet> sets = {
      {{B::Ok}, kStyleOk},
      {{B::Ok, B::Cancel}, kStyleOkCancel},
      {{B::Abort, B::Retry, B::Ignore}, kStyleAbortRetryIgnore},
      {{B::Yes, B::No, B::Cancel}, kStyleYesNoCancel},
      {{B::Yes, B::No}, kStyleYesNo},
      {{B::Retry, B::Cancel}, kStyleRetryCancel},
      // "Cancel, Try Again, Continue".
      {{B::Cancel, B::Retry, B::Ignore}, kStyleCancelTryContinue},
  };
  return sets;
}

struct IconEntry {
  Icon icon;
  UINT style;
};
constexpr IconEntry kIcons[] = {
    {Icon::None, 0},
    {Icon::Information, kStyleIconInformation},
    {Icon::Warning, kStyleIconWarning},
    {Icon::Error, kStyleIconError},
    {Icon::Question, kStyleIconQuestion},
};

struct ResultEntry {
  int result;
  Button button;
};
// IDOK ... IDNO, IDTRYAGAIN, IDCONTINUE.
constexpr ResultEntry kResults[] = {
    {1, Button::Ok},  {2, Button::Cancel}, {3, Button::Abort},  {4, Button::Retry},   {5, Button::Ignore},
    {6, Button::Yes}, {7, Button::No},     {10, Button::Retry}, {11, Button::Ignore},
};

}  // namespace

std::optional<UINT> ButtonSetStyle(const std::vector<Button>& buttons) {
  for (const ButtonSet& set : ButtonSets()) {
    if (set.buttons == buttons) return set.style;
  }
  return std::nullopt;
}

UINT IconStyle(Icon icon) {
  auto found = std::find_if(std::begin(kIcons), std::end(kIcons), [&](const IconEntry& e) { return e.icon == icon; });
  return found == std::end(kIcons) ? 0 : found->style;
}

UINT MessageBoxStyle(const MessageBoxRequest& request) {
  const std::optional<UINT> set = ButtonSetStyle(request.buttons);
  if (!set) {
    throw com::ComError(E_INVALIDARG,
                        com::Utf8ToUtf16("No message box shows the buttons [" + ButtonListText(request.buttons) + "]"));
  }
  return *set | IconStyle(request.icon) | (request.centredOnScreen ? kStyleTaskModal : 0);
}

std::optional<Button> ButtonOfResult(int result) {
  auto found =
      std::find_if(std::begin(kResults), std::end(kResults), [&](const ResultEntry& e) { return e.result == result; });
  if (found == std::end(kResults)) return std::nullopt;
  return found->button;
}

}  // namespace corvane::ui
