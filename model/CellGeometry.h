// Where the viewer's cells are on the screen: every pixel formula of the painter, the caret, the
// hit test and the scrolling, as pure functions of the metrics the view measured and of where it
// is scrolled. Text stands in cells of one width; the hex layout has a digit pane and, after a
// separator, a character pane.
#pragma once

#include "HexText.h"

#include <cstdint>

// The columns a line is drawn in: text layouts have one, the hex layout two.
enum TVPane : std::uint8_t { paneText = 0, paneHexDigits = 1, paneHexChars = 2 };

// Layout modes, also the index of their saved top.
enum TVLayoutMode : std::uint8_t { lmPlain = 0, lmWrap = 1, lmHex = 2 };

inline constexpr int kHexGap = 5; // pixels between the hex digits and the characters

// A rectangle in the view's pixels; coordinates may lie far outside it while scrolled.
struct TVRect {
  std::int64_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TVRect &) const = default;
};

// A cell under a point: its pane, its column there and its line (not clamped to the lines).
struct TVCell {
  TVPane Pane = paneText;
  std::int32_t Col = 0;
  std::int32_t Line = 0;
  bool operator==(const TVCell &) const = default;
};

struct TVCellGeometry {
  int CharWidth = 5;
  int LineHeight = 10;
  bool HaveLeft = true; // the gutter with a glyph per changed line is shown
  bool Hex = false;
  int ScrollX = 0; // pixels scrolled to the left
  int TopLine = 0; // the line in the first row

  int HalfCharWidth() const { return CharWidth / 2; }
  int GutterWidth() const { return HaveLeft ? 3 * CharWidth : 0; }
  int GlyphX() const { return HaveLeft ? (3 * CharWidth - 8) / 2 : 0; } // glyphs are 9 by 6
  int GlyphY() const { return (LineHeight - 6) / 2 + 1; }
  // Where drawn text may start: text never covers the gutter's edge and the half-cell margin.
  int TextLeft() const { return GutterWidth() + HalfCharWidth() - 1; }

  // x of a column's cell relative to the start of the text, and on the screen.
  std::int64_t ContentX(TVPane pane, std::int64_t col) const;
  std::int64_t ColumnX(TVPane pane, std::int64_t col) const;
  int RowTop(std::int64_t line) const;
  // The cells from one column to another of a line, with the row's one-pixel overlap below.
  TVRect RangeRect(TVPane pane, std::int64_t line, std::int64_t from, std::int64_t to) const;
  // The caret before a column: two pixels wide, one row high.
  TVRect CaretRect(TVPane pane, std::int64_t col, std::int64_t line) const;
  TVCell CellAt(int x, int y) const;

  // The hex layout: the separator's first pixel column, where the character pane starts (the
  // text's start outside the hex layout), where its cells end, and the grid lines: between the
  // digit groups (k = 0..2) and before the character groups (k = 0..2, 3 the pane's right edge).
  std::int64_t HexSeparatorX() const;
  std::int64_t CharAreaX() const;
  std::int64_t HexCharsEndX() const;
  std::int64_t HexDigitGroupX(int k) const;
  std::int64_t HexCharGroupX(int k) const;

  // Characters a wrapped line may hold in a client area this wide; columns that fit in it.
  std::int32_t WrapWidth(int clientWidth) const;
  std::int32_t ScreenColumns(int clientWidth) const;
  int VisibleLines(int clientHeight) const { return clientHeight / LineHeight; }
  // How far the text can scroll to the left: the longest line and four more cells.
  std::int64_t HorzScrollMaximum(std::int32_t maxLineLength) const;
};
