// How a message box request maps onto the Windows MessageBox style bits and
// results. Shared by both builds so that a list one build rejects is rejected
// by the other too.
#pragma once

#include <optional>
#include <vector>

#include "platform/ui/MessageBox.h"

namespace corvane::ui {

// Windows' own values (winuser.h).
inline constexpr UINT kStyleOk = 0x0;
inline constexpr UINT kStyleOkCancel = 0x1;
inline constexpr UINT kStyleAbortRetryIgnore = 0x2;
inline constexpr UINT kStyleYesNoCancel = 0x3;
inline constexpr UINT kStyleYesNo = 0x4;
inline constexpr UINT kStyleRetryCancel = 0x5;
inline constexpr UINT kStyleCancelTryContinue = 0x6;
inline constexpr UINT kStyleIconError = 0x10;
inline constexpr UINT kStyleIconQuestion = 0x20;
inline constexpr UINT kStyleIconWarning = 0x30;
inline constexpr UINT kStyleIconInformation = 0x40;
inline constexpr UINT kStyleTaskModal = 0x2000;

// The button set whose buttons are exactly these, in this order; empty when
// no message box shows them.
std::optional<UINT> ButtonSetStyle(const std::vector<Button>& buttons);
UINT IconStyle(Icon icon);
// The whole style; ComError E_INVALIDARG for an unmappable button list.
UINT MessageBoxStyle(const MessageBoxRequest& request);
// The button a MessageBox result (IDOK 1 ... IDCONTINUE 11) stands for;
// "Try Again" is Retry and "Continue" is Ignore. Empty for other results.
std::optional<Button> ButtonOfResult(int result);

}  // namespace corvane::ui
