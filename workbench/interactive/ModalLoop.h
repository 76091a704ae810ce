// The modal boxes on the terminal: the add-in's message boxes, questions
// and dialogs, Excel's number format dialog and the workbench's own boxes
// are drawn over the screen, and the keys and the mouse go to the box until
// one of its buttons is pressed. F12 writes the screen (the box on it)
// like the main screen does; a closed terminal closes the box as Escape
// would.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "workbench/BoxAnswerer.h"
#include "workbench/interactive/BoxAsker.h"
#include "workbench/interactive/TerminalBackend.h"

namespace corvane::workbench {

class ModalLoop : public BoxAsker, public BoxAnswerer {
 public:
  using Painter = std::function<void(Canvas&, HitMap&)>;
  using Dumper = std::function<void(const Canvas&)>;

  ModalLoop(TerminalBackend& terminal, Painter background, Dumper dump);

  int Ask(ModalBox& box) override;
  ui::Button AnswerMessage(const ui::MessageBoxRequest& request) override;
  const ui::DialogControl* AnswerDialog(const ui::ModalDialog& dialog) override;
  // Excel's number format dialog: the code typed, nothing for Cancel.
  std::optional<std::u16string> AskNumberFormat(const std::u16string& current);

 private:
  TerminalBackend& terminal_;
  Painter background_;
  Dumper dump_;
};

}  // namespace corvane::workbench
