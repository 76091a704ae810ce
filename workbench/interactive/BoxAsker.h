// Whoever puts a modal box in front of the person and waits for a button:
// the terminal's modal loop, or a test's stand-in.
#pragma once

#include "workbench/interactive/ModalBox.h"

namespace corvane::workbench {

class BoxAsker {
 public:
  virtual ~BoxAsker() = default;
  // The index of the button pressed.
  virtual int Ask(ModalBox& box) = 0;
};

}  // namespace corvane::workbench
