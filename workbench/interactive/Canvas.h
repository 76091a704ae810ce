// The terminal's picture before it is drawn: a glyph and a look for each
// screen cell. The panes paint into it; the terminal backend draws it, and
// its text is what a screen dump holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::workbench {

// Colours by meaning; the backend chooses the terminal's colours.
enum class Style : uint8_t {
  Normal,
  Title,
  Header,
  PageArea,
  RowArea,
  ColumnArea,
  DataArea,
  GrandTotal,
  OtherTable,
  ButtonEnabled,
  ButtonDisabled,
  ButtonPressed,
  Separator,
  Tab,
  Status,
  Box,
  Pane,
  Count
};

// Added to a style.
enum Emphasis : uint8_t { kPlain = 0, kReverse = 1, kBold = 2, kUnderline = 4 };

struct CanvasCell {
  std::string glyph = " ";
  Style style = Style::Normal;
  uint8_t emphasis = kPlain;
};

class Canvas {
 public:
  Canvas(int rows, int columns);

  int rows() const { return rows_; }
  int columns() const { return columns_; }
  // UTF-8 text from a cell on, one glyph per cell, cut at the right edge;
  // returns the cells written.
  int Put(int row, int column, const std::string& text, Style style, uint8_t emphasis = kPlain);
  // Blanks a block.
  void Clear(int row, int column, int height, int width, Style style);
  const CanvasCell& At(int row, int column) const { return cells_[Index(row, column)]; }
  // The lines of glyphs, trailing blanks dropped.
  std::string Text() const;

  // Where the terminal's cursor rests.
  void SetCursor(int row, int column) {
    cursorRow_ = row;
    cursorColumn_ = column;
  }
  int cursorRow() const { return cursorRow_; }
  int cursorColumn() const { return cursorColumn_; }

 private:
  size_t Index(int row, int column) const { return static_cast<size_t>(row) * columns_ + column; }
  bool Inside(int row, int column) const { return row >= 0 && row < rows_ && column >= 0 && column < columns_; }

  int rows_;
  int columns_;
  std::vector<CanvasCell> cells_;
  int cursorRow_ = 0;
  int cursorColumn_ = 0;
};

}  // namespace corvane::workbench
