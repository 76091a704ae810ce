// The plain properties of a command bar control, with Office's defaults for
// a new custom control. Which of them a control type shows is decided by
// the COM objects; the model keeps them all.
#pragma once

#include <cstdint>
#include <string>

#include "sim/office/model/FieldTable.h"
#include "sim/office/model/OfficeConstants.h"

namespace corvane::sim::office {

struct ControlProperties {
  bool beginGroup = false;
  std::u16string caption;
  std::u16string descriptionText;
  bool enabled = true;
  int32_t height = 22;
  int32_t width = 23;
  int32_t helpContextId = 0;
  std::u16string helpFile;
  std::u16string onAction;
  std::u16string parameter;
  int32_t priority = 3;
  std::u16string tag;
  std::u16string tooltipText;
  bool visible = true;
  // Buttons.
  int32_t faceId = 0;
  std::u16string shortcutText;
  int32_t state = Office::msoButtonUp;
  int32_t style = 0;
  int32_t hyperlinkType = 0;
  // Edit, drop-down and combo boxes.
  std::u16string text;
  int32_t listIndex = 0;
  int32_t dropDownLines = 0;
  int32_t dropDownWidth = 0;
  int32_t listHeaderCount = -1;
  int32_t comboStyle = 0;
};

FieldTable<ControlProperties> ControlFields();

}  // namespace corvane::sim::office
