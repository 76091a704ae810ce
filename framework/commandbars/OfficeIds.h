// Interface ids and dispatch ids of Office's command bar objects, as the
// published type library gives them; calls by these ids need no name lookup.
#pragma once

#include "platform/com/com.h"

namespace corvane::framework {

// Office's own ids, and its applications', share one pattern:
// {XXXXXXXX-0000-0000-C000-000000000046}.
constexpr IID OfficeInterfaceId(decltype(IID::Data1) first) {
  return {first, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

inline constexpr IID kCommandBarsIid = OfficeInterfaceId(0x000C0302);
inline constexpr IID kCommandBarIid = OfficeInterfaceId(0x000C0304);
inline constexpr IID kCommandBarControlIid = OfficeInterfaceId(0x000C0308);
inline constexpr IID kCommandBarButtonIid = OfficeInterfaceId(0x000C030E);
inline constexpr IID kCommandBarPopupIid = OfficeInterfaceId(0x000C030A);
inline constexpr IID kCOMAddInIid = OfficeInterfaceId(0x000C033A);

inline constexpr DISPID kDispCommandBarsItem = 0x0;
inline constexpr DISPID kDispCommandBarsCount = 0x60030003;
inline constexpr DISPID kDispCommandBarsAdd = 0x60030002;
inline constexpr DISPID kDispCommandBarsFindControl = 0x60030008;

inline constexpr DISPID kDispCommandBarBuiltIn = 0x60040000;
inline constexpr DISPID kDispCommandBarControls = 0x60040003;
inline constexpr DISPID kDispCommandBarDelete = 0x60040004;
inline constexpr DISPID kDispCommandBarEnabled = 0x60040005;
inline constexpr DISPID kDispCommandBarFindControl = 0x60040007;
inline constexpr DISPID kDispCommandBarLeft = 0x6004000C;
inline constexpr DISPID kDispCommandBarName = 0x6004000E;
inline constexpr DISPID kDispCommandBarNameLocal = 0x60040010;
inline constexpr DISPID kDispCommandBarPosition = 0x60040013;
inline constexpr DISPID kDispCommandBarRowIndex = 0x60040015;
inline constexpr DISPID kDispCommandBarProtection = 0x60040017;
inline constexpr DISPID kDispCommandBarTop = 0x6004001B;
inline constexpr DISPID kDispCommandBarVisible = 0x6004001E;

inline constexpr DISPID kDispControlsAdd = 0x60030000;
inline constexpr DISPID kDispControlsCount = 0x60030001;

inline constexpr DISPID kDispControlBeginGroup = 0x60040000;
inline constexpr DISPID kDispControlCaption = 0x60040003;
inline constexpr DISPID kDispControlDelete = 0x60040007;
inline constexpr DISPID kDispControlDescriptionText = 0x60040008;
inline constexpr DISPID kDispControlEnabled = 0x6004000A;
inline constexpr DISPID kDispControlHeight = 0x6004000D;
inline constexpr DISPID kDispControlHelpContextId = 0x6004000F;
// HelpFile and Type: OfficeEventInterfaces.h, where the click sink needs them.
inline constexpr DISPID kDispControlId = 0x60040013;
inline constexpr DISPID kDispControlIndex = 0x60040014;
inline constexpr DISPID kDispControlMove = 0x60040016;
inline constexpr DISPID kDispControlOnAction = 0x6004001A;
inline constexpr DISPID kDispControlParameter = 0x6004001D;
inline constexpr DISPID kDispControlPriority = 0x6004001F;
inline constexpr DISPID kDispControlTag = 0x60040023;
inline constexpr DISPID kDispControlTooltipText = 0x60040025;
inline constexpr DISPID kDispControlVisible = 0x60040029;
inline constexpr DISPID kDispControlWidth = 0x6004002B;

inline constexpr DISPID kDispButtonFaceId = 0x60050003;
inline constexpr DISPID kDispButtonShortcutText = 0x60050006;
inline constexpr DISPID kDispButtonState = 0x60050008;
inline constexpr DISPID kDispButtonStyle = 0x6005000A;
inline constexpr DISPID kDispButtonHyperlinkType = 0x6005000C;

// CommandBarComboBox (edit, drop-down and combo boxes).
inline constexpr DISPID kDispComboAddItem = 0x60050000;
inline constexpr DISPID kDispComboClear = 0x60050001;
inline constexpr DISPID kDispComboDropDownLines = 0x60050002;
inline constexpr DISPID kDispComboDropDownWidth = 0x60050004;
inline constexpr DISPID kDispComboListHeaderCount = 0x60050009;
inline constexpr DISPID kDispComboListIndex = 0x6005000B;
inline constexpr DISPID kDispComboStyle = 0x6005000E;
inline constexpr DISPID kDispComboText = 0x60050010;

// CommandBarPopup: the bar that drops down from it.
inline constexpr DISPID kDispPopupCommandBar = 0x60050000;

}  // namespace corvane::framework
