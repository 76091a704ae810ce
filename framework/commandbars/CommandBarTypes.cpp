#include "framework/commandbars/CommandBarTypes.h"

namespace corvane::framework {

EnumNames BarPositionNames() {
  static constexpr EnumName kNames[] = {
      {"kvxMsoBarLeft", kvxMsoBarLeft},         {"kvxMsoBarTop", kvxMsoBarTop},
      {"kvxMsoBarRight", kvxMsoBarRight},       {"kvxMsoBarBottom", kvxMsoBarBottom},
      {"kvxMsoBarFloating", kvxMsoBarFloating}, {"kvxMsoBarPopup", kvxMsoBarPopup},
      {"kvxMsoBarMenuBar", kvxMsoBarMenuBar},
  };
  return kNames;
}

EnumNames BarProtectionNames() {
  static constexpr EnumName kNames[] = {
      {"kvxMsoBarNoProtection", kvxMsoBarNoProtection},
      {"kvxMsoBarNoCustomize", kvxMsoBarNoCustomize},
      {"kvxMsoBarNoResize", kvxMsoBarNoResize},
      {"kvxMsoBarNoMove", kvxMsoBarNoMove},
      {"kvxMsoBarNoChangeVisible", kvxMsoBarNoChangeVisible},
      {"kvxMsoBarNoChangeDock", kvxMsoBarNoChangeDock},
      {"kvxMsoBarNoVerticalDock", kvxMsoBarNoVerticalDock},
      {"kvxMsoBarNoHorizontalDock", kvxMsoBarNoHorizontalDock},
  };
  return kNames;
}

EnumNames ButtonStateNames() {
  static constexpr EnumName kNames[] = {
      {"kvxMsoButtonUp", kvxMsoButtonUp},
      {"kvxMsoButtonDown", kvxMsoButtonDown},
      {"kvxMsoButtonMixed", kvxMsoButtonMixed},
  };
  return kNames;
}

EnumNames ButtonStyleNames() {
  static constexpr EnumName kNames[] = {
      {"kvxMsoButtonAutomatic", kvxMsoButtonAutomatic},
      {"kvxMsoButtonIcon", kvxMsoButtonIcon},
      {"kvxMsoButtonCaption", kvxMsoButtonCaption},
      {"kvxMsoButtonIconAndCaption", kvxMsoButtonIconAndCaption},
      {"kvxMsoButtonIconAndWrapCaption", kvxMsoButtonIconAndWrapCaption},
      {"kvxMsoButtonIconAndCaptionBelow", kvxMsoButtonIconAndCaptionBelow},
      {"kvxMsoButtonWrapCaption", kvxMsoButtonWrapCaption},
      {"kvxMsoButtonIconAndWrapCaptionBelow", kvxMsoButtonIconAndWrapCaptionBelow},
  };
  return kNames;
}

EnumNames HyperlinkTypeNames() {
  static constexpr EnumName kNames[] = {
      {"kvxMsoCommandBarButtonHyperlinkNone", kvxMsoCommandBarButtonHyperlinkNone},
      {"kvxMsoCommandBarButtonHyperlinkOpen", kvxMsoCommandBarButtonHyperlinkOpen},
      {"kvxMsoCommandBarButtonHyperlinkInsertPicture", kvxMsoCommandBarButtonHyperlinkInsertPicture},
  };
  return kNames;
}

EnumNames ComboStyleNames() {
  static constexpr EnumName kNames[] = {
      {"kvxMsoComboNormal", kvxMsoComboNormal},
      {"kvxMsoComboLabel", kvxMsoComboLabel},
  };
  return kNames;
}

EnumNames OLItemTypeActionNames() {
  static constexpr EnumName kNames[] = {
      {"kvxOLActionNone", kvxOLActionNone},
      {"kvxOLActionDisable", kvxOLActionDisable},
      {"kvxOLActionHide", kvxOLActionHide},
  };
  return kNames;
}

EnumNames OLItemTypeNames() {
  static constexpr EnumName kNames[] = {
      {"kvxOLMailItem", kvxOLMailItem},       {"kvxOLAppointmentItem", kvxOLAppointmentItem},
      {"kvxOLContactItem", kvxOLContactItem}, {"kvxOLTaskItem", kvxOLTaskItem},
      {"kvxOLJournalItem", kvxOLJournalItem}, {"kvxOLNoteItem", kvxOLNoteItem},
      {"kvxOLPostItem", kvxOLPostItem},       {"kvxOLDistributionListItem", kvxOLDistributionListItem},
  };
  return kNames;
}

EnumNames OLItemClassNames() {
  static constexpr EnumName kNames[] = {
      {"kvxOLMail", kvxOLMail},       {"kvxOLAppointment", kvxOLAppointment},
      {"kvxOLContact", kvxOLContact}, {"kvxOLTask", kvxOLTask},
      {"kvxOLJournal", kvxOLJournal}, {"kvxOLNote", kvxOLNote},
      {"kvxOLPost", kvxOLPost},       {"kvxOLDistributionList", kvxOLDistributionList},
  };
  return kNames;
}

namespace {

struct ProtectionFlag {
  TkvxMsoBarProtection protection;
  int32_t host;
};

constexpr ProtectionFlag kProtectionFlags[] = {
    {kvxMsoBarNoProtection, Office::msoBarNoProtection},
    {kvxMsoBarNoCustomize, Office::msoBarNoCustomize},
    {kvxMsoBarNoResize, Office::msoBarNoResize},
    {kvxMsoBarNoMove, Office::msoBarNoMove},
    {kvxMsoBarNoChangeVisible, Office::msoBarNoChangeVisible},
    {kvxMsoBarNoChangeDock, Office::msoBarNoChangeDock},
    {kvxMsoBarNoVerticalDock, Office::msoBarNoVerticalDock},
    {kvxMsoBarNoHorizontalDock, Office::msoBarNoHorizontalDock},
};

struct KindType {
  int32_t kind;
  int32_t hostType;
};

constexpr KindType kKindTypes[] = {
    {kvxKindButton, Office::msoControlButton},
    {kvxKindEdit, Office::msoControlEdit},
    {kvxKindDropDownList, Office::msoControlDropdown},
    {kvxKindComboBox, Office::msoControlComboBox},
    {kvxKindPopup, Office::msoControlPopup},
    {kvxKindControl, Office::msoControlCustom},
    {kvxKindAdvancedControl, Office::msoControlButton},
};

}  // namespace

int32_t ProtectionToHost(TkvxMsoBarProtection protection) {
  for (const auto& row : kProtectionFlags) {
    if (row.protection == protection) return row.host;
  }
  return 0;
}

TkvxMsoBarProtection ProtectionFromHost(int32_t flags) {
  for (const auto& row : kProtectionFlags) {
    if (row.host == flags) return row.protection;
  }
  return kvxMsoBarNoProtection;
}

template <>
bool IsHostNumberOf<TkvxMsoBarPosition>(int32_t number) {
  return NameOfValue(BarPositionNames(), number).has_value();
}
template <>
bool IsHostNumberOf<TkvxMsoButtonState>(int32_t number) {
  return NameOfValue(ButtonStateNames(), number).has_value();
}
template <>
bool IsHostNumberOf<TkvxMsoButtonStyle>(int32_t number) {
  return NameOfValue(ButtonStyleNames(), number).has_value();
}
template <>
bool IsHostNumberOf<TkvxMsoCommandBarButtonHyperlinkType>(int32_t number) {
  return NameOfValue(HyperlinkTypeNames(), number).has_value();
}

template <>
bool IsHostNumberOf<TkvxMsoComboStyle>(int32_t number) {
  return NameOfValue(ComboStyleNames(), number).has_value();
}

std::optional<int32_t> HostControlTypeOfKind(int32_t kind) {
  for (const auto& row : kKindTypes) {
    if (row.kind == kind) return row.hostType;
  }
  return std::nullopt;
}

}  // namespace corvane::framework
