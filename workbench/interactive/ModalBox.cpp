#include "workbench/interactive/ModalBox.h"

#include <cctype>

namespace corvane::workbench {
namespace {

// Drops the last UTF-8 character.
void DropLast(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (!text.empty()) text.pop_back();
}

void AppendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (c >> 18));
    text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

ModalBox::ModalBox(std::string title, std::vector<std::string> lines, std::vector<std::string> buttons)
    : title_(std::move(title)), lines_(std::move(lines)), buttons_(std::move(buttons)) {
  if (buttons_.empty()) buttons_.push_back("OK");
}

std::optional<int> ModalBox::Handle(const InputEvent& event, const HitMap& hits) {
  if (event.key != Key::Mouse) return HandleKey(event);
  if (event.mouse != MouseAction::Press) return std::nullopt;
  const Target target = hits.At(event.row, event.column);
  if (target.kind != TargetKind::BoxButton) return std::nullopt;
  focused_ = target.index;
  return target.index;
}

std::optional<int> ModalBox::HandleKey(const InputEvent& event) {
  switch (event.key) {
    case Key::Left:
    case Key::BackTab:
      MoveFocus(-1);
      return std::nullopt;
    case Key::Right:
    case Key::Tab:
      MoveFocus(1);
      return std::nullopt;
    case Key::Enter:
      return focused_;
    case Key::Escape:
      return cancel_;
    case Key::Backspace:
      if (field_) DropLast(*field_);
      return std::nullopt;
    case Key::Char:
      if (field_) {
        if (event.character >= 0x20) AppendUtf8(*field_, event.character);
        return std::nullopt;
      }
      if (event.character == ' ') return focused_;
      return Accelerator(event.character);
    default:
      return std::nullopt;
  }
}

std::optional<int> ModalBox::Accelerator(char32_t character) const {
  if (character >= 0x80) return std::nullopt;
  const int wanted = std::tolower(static_cast<int>(character));
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (!buttons_[i].empty() && std::tolower(static_cast<unsigned char>(buttons_[i][0])) == wanted) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

void ModalBox::MoveFocus(int step) {
  const int count = static_cast<int>(buttons_.size());
  focused_ = ((focused_ + step) % count + count) % count;
}

}  // namespace corvane::workbench
