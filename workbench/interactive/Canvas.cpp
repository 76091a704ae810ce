#include "workbench/interactive/Canvas.h"

#include <algorithm>

namespace corvane::workbench {
namespace {

// The bytes of the UTF-8 sequence starting at `at`.
size_t GlyphLength(const std::string& text, size_t at) {
  size_t end = at + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return end - at;
}

}  // namespace

Canvas::Canvas(int rows, int columns)
    : rows_(std::max(rows, 1)), columns_(std::max(columns, 1)), cells_(static_cast<size_t>(rows_) * columns_) {}

int Canvas::Put(int row, int column, const std::string& text, Style style, uint8_t emphasis) {
  int written = 0;
  for (size_t at = 0; at < text.size();) {
    const size_t length = GlyphLength(text, at);
    if (Inside(row, column + written)) {
      const char c = text[at];
      cells_[Index(row, column + written)] = {c == '\n' || c == '\t' ? " " : text.substr(at, length), style, emphasis};
    }
    ++written;
    at += length;
  }
  return written;
}

void Canvas::Clear(int row, int column, int height, int width, Style style) {
  for (int r = row; r < row + height; ++r) {
    for (int c = column; c < column + width; ++c) {
      if (Inside(r, c)) cells_[Index(r, c)] = {" ", style, kPlain};
    }
  }
}

std::string Canvas::Text() const {
  std::string text;
  for (int row = 0; row < rows_; ++row) {
    std::string line;
    for (int column = 0; column < columns_; ++column) line += At(row, column).glyph;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line + "\n";
  }
  return text;
}

}  // namespace corvane::workbench
