// Enumerations of the command bars and their items. Where the host has the
// same setting the values are the host's own numbers, so they pass
// unchanged; Protection is an ordinal with its own mapping.
#pragma once

#include <cstdint>
#include <optional>

#include "framework/design/EnumName.h"
#include "published/Office.h"

namespace corvane::framework {

enum TkvxMsoBarPosition : uint8_t {
  kvxMsoBarLeft = Office::msoBarLeft,
  kvxMsoBarTop = Office::msoBarTop,
  kvxMsoBarRight = Office::msoBarRight,
  kvxMsoBarBottom = Office::msoBarBottom,
  kvxMsoBarFloating = Office::msoBarFloating,
  kvxMsoBarPopup = Office::msoBarPopup,
  kvxMsoBarMenuBar = Office::msoBarMenuBar,
};

enum TkvxMsoBarProtection : uint8_t {
  kvxMsoBarNoProtection = 0,
  kvxMsoBarNoCustomize = 1,
  kvxMsoBarNoResize = 2,
  kvxMsoBarNoMove = 3,
  kvxMsoBarNoChangeVisible = 4,
  kvxMsoBarNoChangeDock = 5,
  kvxMsoBarNoVerticalDock = 6,
  kvxMsoBarNoHorizontalDock = 7,
};

enum TkvxMsoButtonState : int {
  kvxMsoButtonUp = Office::msoButtonUp,
  kvxMsoButtonDown = Office::msoButtonDown,
  kvxMsoButtonMixed = Office::msoButtonMixed,
};

enum TkvxMsoButtonStyle : int {
  kvxMsoButtonAutomatic = Office::msoButtonAutomatic,
  kvxMsoButtonIcon = Office::msoButtonIcon,
  kvxMsoButtonCaption = Office::msoButtonCaption,
  kvxMsoButtonIconAndCaption = Office::msoButtonIconAndCaption,
  kvxMsoButtonIconAndWrapCaption = Office::msoButtonIconAndWrapCaption,
  kvxMsoButtonIconAndCaptionBelow = Office::msoButtonIconAndCaptionBelow,
  kvxMsoButtonWrapCaption = Office::msoButtonWrapCaption,
  kvxMsoButtonIconAndWrapCaptionBelow = Office::msoButtonIconAndWrapCaptionBelow,
};

enum TkvxMsoCommandBarButtonHyperlinkType : int {
  kvxMsoCommandBarButtonHyperlinkNone = Office::msoCommandBarButtonHyperlinkNone,
  kvxMsoCommandBarButtonHyperlinkOpen = Office::msoCommandBarButtonHyperlinkOpen,
  kvxMsoCommandBarButtonHyperlinkInsertPicture = Office::msoCommandBarButtonHyperlinkInsertPicture,
};

enum TkvxMsoComboStyle : int {
  kvxMsoComboNormal = Office::msoComboNormal,
  kvxMsoComboLabel = Office::msoComboLabel,
};

// Outlook only: kept and stored, not acted on by this program.
enum TkvxOLItemTypeAction : uint8_t {
  kvxOLActionNone = 0,
  kvxOLActionDisable = 1,
  kvxOLActionHide = 2,
};
enum TkvxOLItemType : uint8_t {
  kvxOLMailItem = 0,
  kvxOLAppointmentItem,
  kvxOLContactItem,
  kvxOLTaskItem,
  kvxOLJournalItem,
  kvxOLNoteItem,
  kvxOLPostItem,
  kvxOLDistributionListItem,
};
enum TkvxOLItemClass : uint8_t {
  kvxOLMail = 0,
  kvxOLAppointment,
  kvxOLContact,
  kvxOLTask,
  kvxOLJournal,
  kvxOLNote,
  kvxOLPost,
  kvxOLDistributionList,
};
// Sets of the two Outlook enumerations: bit n for ordinal n.
using TkvxOLItemTypes = uint16_t;
using TkvxOLItemClasses = uint16_t;

// Kind codes of the item classes, as "ButtonTypes" stores them.
enum TkvxControlKind : int32_t {
  kvxKindButton = 0,
  kvxKindEdit = 1,
  kvxKindDropDownList = 2,
  kvxKindComboBox = 3,
  kvxKindPopup = 4,
  kvxKindControl = 5,
  kvxKindAdvancedControl = 6,
};

EnumNames BarPositionNames();
EnumNames BarProtectionNames();
EnumNames ButtonStateNames();
EnumNames ButtonStyleNames();
EnumNames HyperlinkTypeNames();
EnumNames ComboStyleNames();
EnumNames OLItemTypeActionNames();
EnumNames OLItemTypeNames();
EnumNames OLItemClassNames();

// Protection to and from the host's flags; a host value that is no single
// flag reads back as no protection.
int32_t ProtectionToHost(TkvxMsoBarProtection protection);
TkvxMsoBarProtection ProtectionFromHost(int32_t flags);

// Whether a host number is one of the enumeration's values (those whose
// numbers pass to the host unchanged).
template <class E>
bool IsHostNumberOf(int32_t number);
template <>
bool IsHostNumberOf<TkvxMsoBarPosition>(int32_t number);
template <>
bool IsHostNumberOf<TkvxMsoButtonState>(int32_t number);
template <>
bool IsHostNumberOf<TkvxMsoButtonStyle>(int32_t number);
template <>
bool IsHostNumberOf<TkvxMsoCommandBarButtonHyperlinkType>(int32_t number);
template <>
bool IsHostNumberOf<TkvxMsoComboStyle>(int32_t number);

// The host control type (1 button, 2 edit, ...) of a kind code; nullopt for
// a code outside the table.
std::optional<int32_t> HostControlTypeOfKind(int32_t kind);

}  // namespace corvane::framework
