// What Office's type library gives an add-in author about the command bars
// and the add-in list: interface ids, dispatch ids and enumerations. One
// namespace per object holds its interface id and its members' DISPIDs;
// numbers are per interface (the same DISPID names other members
// elsewhere). The add-in calls by these numbers and the simulated host
// answers them.
#pragma once

#include <cstdint>

#include "platform/com/com.h"

namespace Office {

// Office's ids, and its applications', share one pattern:
// {XXXXXXXX-0000-0000-C000-000000000046}.
constexpr IID OfficeFamilyId(uint32_t first) {
  return {first, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

// _CommandBars
namespace CommandBars {
inline constexpr IID iid = OfficeFamilyId(0x000C0302);
inline constexpr DISPID Item = 0x0;
inline constexpr DISPID Add = 0x60030002;
inline constexpr DISPID Count = 0x60030003;
inline constexpr DISPID FindControl = 0x60030008;
}  // namespace CommandBars

namespace CommandBar {
inline constexpr IID iid = OfficeFamilyId(0x000C0304);
inline constexpr DISPID BuiltIn = 0x60040000;
inline constexpr DISPID Controls = 0x60040003;
inline constexpr DISPID Delete = 0x60040004;
inline constexpr DISPID Enabled = 0x60040005;
inline constexpr DISPID FindControl = 0x60040007;
inline constexpr DISPID Left = 0x6004000C;
inline constexpr DISPID Name = 0x6004000E;
inline constexpr DISPID NameLocal = 0x60040010;
inline constexpr DISPID Position = 0x60040013;
inline constexpr DISPID RowIndex = 0x60040015;
inline constexpr DISPID Protection = 0x60040017;
inline constexpr DISPID Top = 0x6004001B;
inline constexpr DISPID Type = 0x6004001D;
inline constexpr DISPID Visible = 0x6004001E;
}  // namespace CommandBar

namespace CommandBarControls {
inline constexpr IID iid = OfficeFamilyId(0x000C0306);
inline constexpr DISPID Item = 0x0;
inline constexpr DISPID Add = 0x60030000;
inline constexpr DISPID Count = 0x60030001;
}  // namespace CommandBarControls

// Every control interface extends this one: buttons, boxes and popups
// answer these members by these numbers too.
namespace CommandBarControl {
inline constexpr IID iid = OfficeFamilyId(0x000C0308);
inline constexpr DISPID BeginGroup = 0x60040000;
inline constexpr DISPID BuiltIn = 0x60040002;
inline constexpr DISPID Caption = 0x60040003;
inline constexpr DISPID Delete = 0x60040007;
inline constexpr DISPID DescriptionText = 0x60040008;
inline constexpr DISPID Enabled = 0x6004000A;
inline constexpr DISPID Execute = 0x6004000C;
inline constexpr DISPID Height = 0x6004000D;
inline constexpr DISPID HelpContextId = 0x6004000F;
inline constexpr DISPID HelpFile = 0x60040011;
inline constexpr DISPID Id = 0x60040013;
inline constexpr DISPID Index = 0x60040014;
inline constexpr DISPID Move = 0x60040016;
inline constexpr DISPID Left = 0x60040017;
inline constexpr DISPID OnAction = 0x6004001A;
inline constexpr DISPID Parent = 0x6004001C;
inline constexpr DISPID Parameter = 0x6004001D;
inline constexpr DISPID Priority = 0x6004001F;
inline constexpr DISPID Tag = 0x60040023;
inline constexpr DISPID TooltipText = 0x60040025;
inline constexpr DISPID Top = 0x60040027;
inline constexpr DISPID Type = 0x60040028;
inline constexpr DISPID Visible = 0x60040029;
inline constexpr DISPID Width = 0x6004002B;
}  // namespace CommandBarControl

// _CommandBarButton: its own members.
namespace CommandBarButton {
inline constexpr IID iid = OfficeFamilyId(0x000C030E);
inline constexpr DISPID BuiltInFace = 0x60050000;
inline constexpr DISPID CopyFace = 0x60050002;
inline constexpr DISPID FaceId = 0x60050003;
inline constexpr DISPID PasteFace = 0x60050005;
inline constexpr DISPID ShortcutText = 0x60050006;
inline constexpr DISPID State = 0x60050008;
inline constexpr DISPID Style = 0x6005000A;
inline constexpr DISPID HyperlinkType = 0x6005000C;
inline constexpr DISPID Picture = 0x6005000E;
inline constexpr DISPID Mask = 0x60050010;
}  // namespace CommandBarButton

// _CommandBarComboBox (edit, drop-down and combo boxes): its own members.
namespace CommandBarComboBox {
inline constexpr IID iid = OfficeFamilyId(0x000C030C);
inline constexpr DISPID AddItem = 0x60050000;
inline constexpr DISPID Clear = 0x60050001;
inline constexpr DISPID DropDownLines = 0x60050002;
inline constexpr DISPID DropDownWidth = 0x60050004;
inline constexpr DISPID List = 0x60050006;
inline constexpr DISPID ListCount = 0x60050008;
inline constexpr DISPID ListHeaderCount = 0x60050009;
inline constexpr DISPID ListIndex = 0x6005000B;
inline constexpr DISPID RemoveItem = 0x6005000D;
inline constexpr DISPID Style = 0x6005000E;
inline constexpr DISPID Text = 0x60050010;
}  // namespace CommandBarComboBox

// CommandBarPopup: its own members.
namespace CommandBarPopup {
inline constexpr IID iid = OfficeFamilyId(0x000C030A);
inline constexpr DISPID CommandBar = 0x60050000;
inline constexpr DISPID Controls = 0x60050001;
}  // namespace CommandBarPopup

// _CommandBarButtonEvents, a dispinterface.
namespace CommandBarButtonEvents {
inline constexpr IID iid = OfficeFamilyId(0x000C0351);
inline constexpr DISPID Click = 1;
}  // namespace CommandBarButtonEvents

// _CommandBarComboBoxEvents, a dispinterface.
namespace CommandBarComboBoxEvents {
inline constexpr IID iid = OfficeFamilyId(0x000C0354);
inline constexpr DISPID Change = 1;
}  // namespace CommandBarComboBoxEvents

namespace COMAddIns {
inline constexpr IID iid = OfficeFamilyId(0x000C0339);
inline constexpr DISPID Item = 0x0;
inline constexpr DISPID Count = 0x1;
inline constexpr DISPID Parent = 0x3;
}  // namespace COMAddIns

namespace COMAddIn {
inline constexpr IID iid = OfficeFamilyId(0x000C033A);
inline constexpr DISPID Description = 0x0;
inline constexpr DISPID ProgId = 0x3;
inline constexpr DISPID Guid = 0x4;
inline constexpr DISPID Connect = 0x6;
inline constexpr DISPID Object = 0x7;
inline constexpr DISPID Parent = 0x8;
}  // namespace COMAddIn

enum MsoControlType : int32_t {
  msoControlCustom = 0,
  msoControlButton = 1,
  msoControlEdit = 2,
  msoControlDropdown = 3,
  msoControlComboBox = 4,
  msoControlPopup = 10,
};

enum MsoBarPosition : int32_t {
  msoBarLeft = 0,
  msoBarTop = 1,
  msoBarRight = 2,
  msoBarBottom = 3,
  msoBarFloating = 4,
  msoBarPopup = 5,
  msoBarMenuBar = 6,
};

enum MsoBarType : int32_t {
  msoBarTypeNormal = 0,
  msoBarTypeMenuBar = 1,
  msoBarTypePopup = 2,
};

// Flags, combinable.
enum MsoBarProtection : int32_t {
  msoBarNoProtection = 0,
  msoBarNoCustomize = 1,
  msoBarNoResize = 2,
  msoBarNoMove = 4,
  msoBarNoChangeVisible = 8,
  msoBarNoChangeDock = 16,
  msoBarNoVerticalDock = 32,
  msoBarNoHorizontalDock = 64,
};

enum MsoButtonState : int32_t {
  msoButtonUp = 0,
  msoButtonDown = -1,
  msoButtonMixed = 2,
};

enum MsoButtonStyle : int32_t {
  msoButtonAutomatic = 0,
  msoButtonIcon = 1,
  msoButtonCaption = 2,
  msoButtonIconAndCaption = 3,
  msoButtonIconAndWrapCaption = 7,
  msoButtonIconAndCaptionBelow = 11,
  msoButtonWrapCaption = 14,
  msoButtonIconAndWrapCaptionBelow = 15,
};

enum MsoCommandBarButtonHyperlinkType : int32_t {
  msoCommandBarButtonHyperlinkNone = 0,
  msoCommandBarButtonHyperlinkOpen = 1,
  msoCommandBarButtonHyperlinkInsertPicture = 2,
};

enum MsoComboStyle : int32_t {
  msoComboNormal = 0,
  msoComboLabel = 1,
};

}  // namespace Office
