// What the tools tell the user, and how: plain modal boxes with one OK
// button, and the one Yes/No question. Texts that carry host text (a field
// name) are built by substitution, so the name is shown as it is.
#pragma once

#include <string>
#include <string_view>

namespace corvane::addin {

inline constexpr char16_t kMessageCaption[] = u"Corvane";
inline constexpr char16_t kNoTableMessage[] =
    u"No pivot table was found.\rSelect a cell within your pivot table and then use Corvane again.";
inline constexpr char16_t kNoSubtotalMessage[] =
    u"No subtotal was found.\rSelect a cell within a range of the row or column field";
inline constexpr char16_t kClearFormatQuestion[] = u"Do you really want to clear format of the selected pivot table?";
inline constexpr char16_t kConfirmCaption[] = u"Confirm";

// "Field \"<name>\" is not number."
std::u16string NotNumberMessage(std::u16string_view fieldName);

void ShowPlainMessage(std::u16string_view text);
// True only when the user answers Yes.
bool ConfirmClearFormat();

}  // namespace corvane::addin
