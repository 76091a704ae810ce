#include "workbench/interactive/ModalLoop.h"

#include <algorithm>
#include <vector>

#include "platform/com/Text.h"
#include "workbench/BoxRecorder.h"
#include "workbench/interactive/ModalBoxView.h"

namespace corvane::workbench {

ModalLoop::ModalLoop(TerminalBackend& terminal, Painter background, Dumper dump)
    : terminal_(terminal), background_(std::move(background)), dump_(std::move(dump)) {}

int ModalLoop::Ask(ModalBox& box) {
  while (true) {
    const ScreenPoint size = terminal_.Size();
    Canvas canvas(size.row, size.column);
    HitMap hits;
    background_(canvas, hits);
    ModalBoxView::Paint(box, canvas, hits);
    terminal_.Draw(canvas);
    const InputEvent event = terminal_.Next();
    if (event.key == Key::Closed) return box.closing();
    if (event.key == Key::Dump) {
      dump_(canvas);
      continue;
    }
    if (const auto pressed = box.Handle(event, hits)) return *pressed;
  }
}

ui::Button ModalLoop::AnswerMessage(const ui::MessageBoxRequest& request) {
  std::vector<std::string> names;
  for (ui::Button button : request.buttons) names.emplace_back(ui::ButtonName(button));
  ModalBox box(com::Utf16ToUtf8(request.caption), {com::Utf16ToUtf8(request.text)}, names);
  const auto cancel = std::find(request.buttons.begin(), request.buttons.end(), ui::Button::Cancel);
  if (cancel != request.buttons.end()) box.set_cancel(static_cast<int>(cancel - request.buttons.begin()));
  return request.buttons[Ask(box)];
}

const ui::DialogControl* ModalLoop::AnswerDialog(const ui::ModalDialog& dialog) {
  const std::string title = com::Utf16ToUtf8(dialog.caption);
  const std::vector<std::string> lines{com::Utf16ToUtf8(BoxRecorder::DialogText(dialog))};
  std::vector<const ui::DialogControl*> pushButtons;
  std::vector<std::string> names;
  for (const auto& control : dialog.controls) {
    if (control.kind != ui::ControlKind::PushButton) continue;
    pushButtons.push_back(&control);
    names.push_back(com::Utf16ToUtf8(control.text));
  }
  if (pushButtons.empty()) {
    ModalBox plain(title, lines, {"OK"});
    Ask(plain);
    return nullptr;
  }
  ModalBox choice(title, lines, names);
  for (size_t i = 0; i < pushButtons.size(); ++i) {
    if (pushButtons[i]->isDefault) choice.set_default(static_cast<int>(i));
    if (pushButtons[i]->isCancel) choice.set_cancel(static_cast<int>(i));
  }
  while (true) {
    const ui::DialogControl* pressed = pushButtons[Ask(choice)];
    if (pressed->modalResult || !pressed->onClick) return pressed;
    // A button that acts without closing (a link's "open" button).
    pressed->onClick();
  }
}

std::optional<std::u16string> ModalLoop::AskNumberFormat(const std::u16string& current) {
  ModalBox box("Format Cells", {"Number format code (Enter for OK, Escape for Cancel):"}, {"OK", "Cancel"});
  box.AddField(com::Utf16ToUtf8(current));
  box.set_cancel(1);
  if (Ask(box) != 0) return std::nullopt;
  return com::Utf8ToUtf16(*box.field());
}

}  // namespace corvane::workbench
