#include "CellGeometry.h"

#include <algorithm>

std::int64_t TVCellGeometry::ContentX(TVPane pane, std::int64_t col) const {
  const std::int64_t pane0 = pane == paneHexChars ? kHexDigitColumns * CharWidth + kHexGap : 0;
  return pane0 + col * CharWidth;
}

std::int64_t TVCellGeometry::ColumnX(TVPane pane, std::int64_t col) const {
  return GutterWidth() - ScrollX + HalfCharWidth() + ContentX(pane, col);
}

int TVCellGeometry::RowTop(std::int64_t line) const {
  return static_cast<int>((line - TopLine) * LineHeight);
}

TVRect TVCellGeometry::RangeRect(TVPane pane, std::int64_t line, std::int64_t from,
                                 std::int64_t to) const {
  return {ColumnX(pane, from), RowTop(line), (to - from) * CharWidth, LineHeight + 1};
}

TVRect TVCellGeometry::CaretRect(TVPane pane, std::int64_t col, std::int64_t line) const {
  return {ColumnX(pane, col) - 1, RowTop(line), 2, LineHeight};
}

TVCell TVCellGeometry::CellAt(int x, int y) const {
  TVCell cell;
  if (Hex) {
    const int hexWidth = kHexDigitColumns * CharWidth;
    const int e = x - GutterWidth() + ScrollX;
    if (e < hexWidth + kHexGap) {
      cell.Pane = paneHexDigits;
      if (e >= hexWidth) // in the gap: the last column of the hex digits
        x = hexWidth + GutterWidth() - ScrollX - HalfCharWidth();
    } else {
      cell.Pane = paneHexChars;
      x -= hexWidth + kHexGap;
    }
  }
  cell.Col = std::max(0, (x - GutterWidth() + ScrollX) / CharWidth);
  cell.Line = y / LineHeight + TopLine;
  return cell;
}

std::int64_t TVCellGeometry::HexSeparatorX() const {
  return GutterWidth() - ScrollX + std::int64_t{kHexDigitColumns} * CharWidth;
}

std::int64_t TVCellGeometry::CharAreaX() const {
  return Hex ? HexSeparatorX() + kHexGap : GutterWidth();
}

std::int64_t TVCellGeometry::HexCharsEndX() const {
  return CharAreaX() + (kHexBytesPerLine + 1) * CharWidth;
}

std::int64_t TVCellGeometry::HexDigitGroupX(int k) const {
  // After the 4th, 8th and 12th byte, in the blank cell between the groups: cells, not the
  // advance of a letter of some font, since the digits stand in cells and the line must too.
  return ColumnX(paneHexDigits, 11 + 12 * k) + HalfCharWidth();
}

std::int64_t TVCellGeometry::HexCharGroupX(int k) const {
  // Before the 5th, 9th and 13th character; the right edge keeps a half-cell margin.
  const std::int64_t x = ColumnX(paneHexChars, 4 + 4 * std::min(k, 3)) - 1;
  return k >= 3 ? x + HalfCharWidth() : x;
}

std::int32_t TVCellGeometry::WrapWidth(int clientWidth) const {
  return (clientWidth - GutterWidth() - CharWidth) / CharWidth;
}

std::int32_t TVCellGeometry::ScreenColumns(int clientWidth) const {
  return clientWidth / CharWidth;
}

std::int64_t TVCellGeometry::HorzScrollMaximum(std::int32_t maxLineLength) const {
  return (std::int64_t{maxLineLength} + 4) * CharWidth;
}
