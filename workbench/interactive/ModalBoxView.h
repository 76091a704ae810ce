// A modal box drawn in the middle of the screen: its title, its lines, the
// text field with the cursor in it, and its buttons ("< OK >" focused,
// "[ OK ]" otherwise), which the mouse can click.
#pragma once

#include "workbench/interactive/Canvas.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/ModalBox.h"

namespace corvane::workbench {

class ModalBoxView {
 public:
  static void Paint(const ModalBox& box, Canvas& canvas, HitMap& hits);
};

}  // namespace corvane::workbench
