// Cell geometry: every point of a cell hits that cell, in each pane, at several metrics and
// scroll positions; the hex grid and separator fall where no character is drawn.
#include "CellGeometry.h"

#include <gtest/gtest.h>

namespace {

struct Metrics {
  int charWidth, lineHeight;
};
constexpr Metrics kMetrics[] = {{5, 10}, {8, 15}, {13, 21}, {21, 34}};

// A column's area for the hit test starts half a cell before its character, in the margin
// where the caret before it is drawn: a click nearer the left edge of a character goes before it.
TEST(CellGeometry, EveryPixelOfAColumnsAreaHitsThatColumn) {
  for (const Metrics m : kMetrics)
    for (const bool hex : {false, true})
      for (const int scroll : {0, 7, 100})
        for (const TVPane pane : {hex ? paneHexDigits : paneText, paneHexChars}) {
          if (pane == paneHexChars && !hex)
            continue;
          const TVCellGeometry g{m.charWidth, m.lineHeight, true, hex, scroll, 3};
          const int columns = pane == paneHexChars ? kHexBytesPerLine : kHexDigitColumns;
          for (int col = 0; col < columns; ++col) {
            const TVRect cell = g.RangeRect(pane, 5, col, col + 1);
            const std::int64_t left = cell.Left - g.HalfCharWidth();
            for (const std::int64_t x : {left, left + cell.Width - 1})
              for (const std::int64_t y : {cell.Top, cell.Top + m.lineHeight - 1})
                EXPECT_EQ(g.CellAt(static_cast<int>(x), static_cast<int>(y)),
                          (TVCell{pane, col, 5}))
                    << "char " << m.charWidth << " hex " << hex << " scroll " << scroll << " x "
                    << x << " y " << y;
          }
        }
}

TEST(CellGeometry, TheHitTestCountsFromTheMarginBeforeEachCell) {
  const TVCellGeometry g{8, 15, true, false, 0, 0};
  // The gutter is three cells, then half a cell of margin before the first character.
  EXPECT_EQ(g.GutterWidth(), 24);
  EXPECT_EQ(g.ColumnX(paneText, 0), 28);
  EXPECT_EQ(g.CellAt(24, 0).Col, 0);
  EXPECT_EQ(g.CellAt(31, 0).Col, 0);
  EXPECT_EQ(g.CellAt(32, 0).Col, 1);
  EXPECT_EQ(g.CellAt(0, 0).Col, 0) << "inside the gutter: never a negative column";
  EXPECT_EQ(g.CellAt(30, 44).Line, 2);
}

TEST(CellGeometry, TheGapBetweenThePanesBelongsToTheLastDigitColumn) {
  const TVCellGeometry g{8, 15, true, true, 0, 0};
  const std::int64_t separator = g.HexSeparatorX();
  EXPECT_EQ(separator, 24 + 48 * 8);
  EXPECT_EQ(g.CharAreaX(), separator + kHexGap);
  for (int x = static_cast<int>(separator) - 3; x < separator + kHexGap; ++x) {
    const TVCell cell = g.CellAt(x, 0);
    EXPECT_EQ(cell.Pane, paneHexDigits) << x;
    EXPECT_EQ(cell.Col, kHexLastColumn) << x;
  }
  EXPECT_EQ(g.CellAt(static_cast<int>(separator) + kHexGap, 0), (TVCell{paneHexChars, 0, 0}));
}

TEST(CellGeometry, HexGridLinesStandInBlankCellsAndBetweenCharacters) {
  for (const Metrics m : kMetrics) {
    const TVCellGeometry g{m.charWidth, m.lineHeight, true, true, 0, 0};
    for (int k = 0; k < 3; ++k) {
      // The blank after the 4th, 8th and 12th byte's two digits is column 11, 23 or 35.
      const TVRect blank = g.RangeRect(paneHexDigits, 0, 11 + 12 * k, 12 + 12 * k);
      EXPECT_GE(g.HexDigitGroupX(k), blank.Left) << m.charWidth;
      EXPECT_LT(g.HexDigitGroupX(k), blank.Left + blank.Width) << m.charWidth;
      // Just before the 5th, 9th and 13th character's cell.
      EXPECT_EQ(g.HexCharGroupX(k), g.ColumnX(paneHexChars, 4 + 4 * k) - 1) << m.charWidth;
    }
    EXPECT_GT(g.HexCharGroupX(3), g.ColumnX(paneHexChars, 16) - 1);
    EXPECT_LE(g.HexCharGroupX(3), g.HexCharsEndX());
  }
}

TEST(CellGeometry, ScrollingMovesEveryColumnButNotTheGutter) {
  const TVCellGeometry still{8, 15, true, true, 0, 0};
  TVCellGeometry scrolled = still;
  scrolled.ScrollX = 40;
  for (const TVPane pane : {paneHexDigits, paneHexChars})
    EXPECT_EQ(scrolled.ColumnX(pane, 9), still.ColumnX(pane, 9) - 40);
  EXPECT_EQ(scrolled.HexSeparatorX(), still.HexSeparatorX() - 40);
  EXPECT_EQ(scrolled.GutterWidth(), still.GutterWidth());
  EXPECT_EQ(scrolled.ContentX(paneHexChars, 3), still.ContentX(paneHexChars, 3));
  EXPECT_EQ(scrolled.CellAt(100, 0), still.CellAt(140, 0));
}

TEST(CellGeometry, RowsCaretAndTheLayoutsMeasures) {
  TVCellGeometry g{8, 15, true, false, 0, 10};
  EXPECT_EQ(g.RowTop(10), 0);
  EXPECT_EQ(g.RowTop(12), 30);
  EXPECT_EQ(g.RangeRect(paneText, 12, 2, 5), (TVRect{28 + 16, 30, 24, 16}));
  EXPECT_EQ(g.CaretRect(paneText, 2, 12), (TVRect{28 + 16 - 1, 30, 2, 15}));
  EXPECT_EQ(g.WrapWidth(400), (400 - 24 - 8) / 8);
  EXPECT_EQ(g.ScreenColumns(400), 50);
  EXPECT_EQ(g.VisibleLines(100), 6);
  EXPECT_EQ(g.HorzScrollMaximum(10), 14 * 8);
  EXPECT_EQ(g.GlyphX(), 8);
  EXPECT_EQ(g.GlyphY(), 5);
  g.HaveLeft = false;
  EXPECT_EQ(g.GutterWidth(), 0);
  EXPECT_EQ(g.GlyphX(), 0);
  EXPECT_EQ(g.ColumnX(paneText, 0), 4);
  EXPECT_EQ(g.CharAreaX(), 0) << "outside the hex layout the text starts at the gutter";
}

} // namespace
