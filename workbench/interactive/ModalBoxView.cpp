#include "workbench/interactive/ModalBoxView.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::workbench {
namespace {

std::string Face(const ModalBox& box, size_t index) {
  const bool focused = static_cast<int>(index) == box.focused();
  return (focused ? "< " : "[ ") + box.buttons()[index] + (focused ? " >" : " ]");
}

// The box's lines split at their line breaks.
std::vector<std::string> TextLines(const ModalBox& box) {
  std::vector<std::string> lines;
  for (const auto& text : box.lines()) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    if (text.empty()) lines.emplace_back();
  }
  return lines;
}

}  // namespace

void ModalBoxView::Paint(const ModalBox& box, Canvas& canvas, HitMap& hits) {
  const auto lines = TextLines(box);
  int buttonsWidth = 0;
  for (size_t i = 0; i < box.buttons().size(); ++i) buttonsWidth += static_cast<int>(Face(box, i).size()) + 2;
  int width = std::max(buttonsWidth, static_cast<int>(box.title().size()) + 4);
  for (const auto& line : lines) width = std::max(width, static_cast<int>(line.size()));
  if (box.field()) width = std::max(width, 30);
  width = std::min(width + 4, canvas.columns());
  const int height = std::min(static_cast<int>(lines.size()) + (box.field() ? 2 : 0) + 4, canvas.rows());
  const int top = std::max((canvas.rows() - height) / 2, 0);
  const int left = std::max((canvas.columns() - width) / 2, 0);
  canvas.Clear(top, left, height, width, Style::Box);
  canvas.Put(top, left, " " + box.title() + " ", Style::Box, kReverse | kBold);
  int row = top + 1;
  for (const auto& line : lines) canvas.Put(row++, left + 2, line.substr(0, std::max(width - 4, 0)), Style::Box);
  if (box.field()) {
    ++row;
    const int fieldWidth = width - 4;
    canvas.Clear(row, left + 2, 1, fieldWidth, Style::Normal);
    const int written = canvas.Put(row, left + 2, *box.field(), Style::Normal, kUnderline);
    canvas.SetCursor(row, left + 2 + std::min(written, fieldWidth - 1));
  }
  row = top + height - 2;
  int column = left + std::max((width - buttonsWidth) / 2, 1);
  for (size_t i = 0; i < box.buttons().size(); ++i) {
    const bool focused = static_cast<int>(i) == box.focused();
    const int written = canvas.Put(row, column, Face(box, i), Style::Box, focused ? kReverse | kBold : kBold);
    hits.Add(row, column, written, {TargetKind::BoxButton, {}, static_cast<int>(i)});
    if (focused && !box.field()) canvas.SetCursor(row, column + 2);
    column += written + 2;
  }
}

}  // namespace corvane::workbench
