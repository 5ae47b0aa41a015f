// Painted pixels, read back from the viewport: bands, zones, gutter, hex columns, marks.
#include "MemoFixture.h"

namespace {

constexpr QRgb kPink = 0xFF88C8, kBlue = 0x0088FF, kGreen = 0x00FF00, kWhite = 0xFFFFFF,
               kGrey = 0xC0C0C0, kRed = 0xFF0000;

class Painting : public MemoFixture {
protected:
  int CellX(int col) const { return static_cast<int>(memo->Geometry().ColumnX(paneText, col)); }
  int HexCharX(int byte) const {
    return static_cast<int>(memo->Geometry().ColumnX(paneHexChars, byte));
  }
  int RowY(int row) const { return row * memo->LineHeight() + memo->LineHeight() / 2; }
  // The background of a cell: its top-left corner pixel row, clear of the glyphs.
  QRgb CellBackground(const QImage &image, int x, int row) const {
    return Pixel(image, x + 1, row * memo->LineHeight() + 1);
  }
  // How many pixels of the rectangle differ from the background colour.
  static int Ink(const QImage &image, QRect cell, QRgb background) {
    int ink = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
      for (int x = cell.left(); x <= cell.right(); ++x)
        ink += Pixel(image, x, y) != background;
    return ink;
  }
  QRgb Palette(QPalette::ColorRole role) const { return Rgb(memo->palette().color(role)); }
  // Columns from..to-1 of row 0 are highlighted; the columns either side keep the zone's colour.
  void ExpectMarked(int from, int to, QRgb zoneColour) {
    const QImage image = Grab();
    const QRgb highlight = Palette(QPalette::Highlight);
    EXPECT_EQ(CellBackground(image, CellX(from - 1), 0), zoneColour);
    for (int col = from; col < to; ++col)
      EXPECT_EQ(CellBackground(image, CellX(col), 0), highlight) << "column " << col;
    EXPECT_EQ(CellBackground(image, CellX(to), 0), zoneColour);
  }
};

TEST_F(Painting, DifferenceBandReachesTheRightEdgeAndBelowIsTheControlColour) {
  Add(kEqual, "abc\r\n");
  Add(kInserted, "xy\r\n");
  Add(kEqual, "z");
  Layout(false);
  const QImage image = Grab();
  const int right = image.width() - 2;
  EXPECT_EQ(Pixel(image, right, RowY(0)), kWhite);
  EXPECT_EQ(Pixel(image, right, RowY(1)), kPink);
  EXPECT_EQ(Pixel(image, right, RowY(2)), kWhite);
  EXPECT_EQ(Pixel(image, right, RowY(4)), kGrey);
  EXPECT_EQ(Pixel(image, memo->GutterWidth() + 1, RowY(1)), kPink) << "the left margin";
}

TEST_F(Painting, HexBandStopsAtTheCharacterColumn) {
  Resize(700, 300);
  Add(kInserted, std::string(20, 'x'));
  Layout(false, true);
  const QImage image = Grab();
  const int charEnd = static_cast<int>(memo->Geometry().HexCharsEndX());
  EXPECT_EQ(Pixel(image, charEnd - 2, RowY(1)), kPink);
  EXPECT_EQ(Pixel(image, charEnd + 3, RowY(1)), kGrey);
  EXPECT_EQ(Pixel(image, CellX(47) - memo->HalfCharWidth(), RowY(1)), kPink)
      << "the rest of a short hex-digit row";
}

TEST_F(Painting, GutterHasFaceEdgesAndATransparentGlyph) {
  Add(kEqual, "same\r\n");
  Add(kDeleted, "gone\r\n");
  Layout(false);
  const QImage image = Grab();
  const QRgb face = Palette(QPalette::Button);
  const int gw = memo->GutterWidth();
  EXPECT_EQ(Pixel(image, 1, RowY(0)), face);
  EXPECT_EQ(Pixel(image, gw - 1, RowY(0)), Palette(QPalette::Dark));
  EXPECT_EQ(Pixel(image, gw - 2, RowY(0)), Palette(QPalette::Light));
  const int glyphX = (3 * memo->CharWidth() - 8) / 2,
            glyphY = memo->LineHeight() + (memo->LineHeight() - 6) / 2 + 1;
  EXPECT_EQ(Pixel(image, glyphX + 4, glyphY + 2), kRed);
  EXPECT_EQ(Pixel(image, glyphX, glyphY), face) << "white of the glyph is transparent";
  EXPECT_EQ(Pixel(image, glyphX + 4, memo->LineHeight() / 2), face) << "no glyph on Equal";
}

TEST_F(Painting, GutterOffMovesTheTextLeftWithoutARebuild) {
  Add(kEqual, "WWWW");
  Layout(false);
  auto firstInk = [&](const QImage &image) {
    for (int x = 0; x < image.width(); ++x)
      if (x >= memo->GutterWidth() && Pixel(image, x, RowY(0)) != kWhite)
        return x;
    return -1;
  };
  const int withGutter = firstInk(Grab());
  const int gutter = memo->GutterWidth();
  memo->SetHaveLeft(false);
  const QImage image = Grab();
  EXPECT_EQ(firstInk(image), withGutter - gutter);
  EXPECT_EQ(Pixel(image, 1, RowY(0)), kWhite) << "no gutter";
}

TEST_F(Painting, DosCodePageDrawsTheShadeBlock) {
  Add(kEqual, "\xB0\xB0\xB0\xB0");
  Layout(false);
  const QImage windows = Grab();
  memo->SetOemMode(true); // repaints without a rebuild
  const QImage dos = Grab();
  const QRect cells(CellX(0), 0, 4 * memo->CharWidth(), memo->LineHeight());
  EXPECT_NE(windows.copy(cells), dos.copy(cells));
  // The shade block covers its whole cell with dots; the degree sign is a small ring.
  EXPECT_GT(Ink(dos, cells, kWhite), 2 * Ink(windows, cells, kWhite));
}

TEST_F(Painting, SelectionInTheMiddleOfAZoneKeepsLeadAndTail) {
  Add(kInserted, "abcdefgh");
  Layout(false);
  memo->StartSelection(2, 0, paneText);
  memo->ExtendSelection(5, 0);
  ExpectMarked(2, 5, kPink);
}

TEST_F(Painting, HexMarkShowsOnlyInItsPane) {
  Resize(700, 300);
  Add(kEqual, std::string(32, 'm'));
  Layout(false, true);
  const QRgb highlight = Palette(QPalette::Highlight);
  memo->StartSelection(3, 0, paneHexDigits); // byte 1's digits
  memo->ExtendSelection(9, 0);
  QImage image = Grab();
  EXPECT_EQ(CellBackground(image, CellX(3), 0), highlight);
  EXPECT_EQ(CellBackground(image, HexCharX(1), 0), kWhite);

  memo->StartSelection(1, 0, paneHexChars);
  memo->ExtendSelection(3, 0);
  image = Grab();
  EXPECT_EQ(CellBackground(image, HexCharX(1), 0), highlight);
  EXPECT_EQ(CellBackground(image, CellX(3), 0), kWhite);
}

TEST_F(Painting, SelectionBehindAScrolledGutterStaysOnItsColumns) {
  Add(kEqual, std::string(60, 'a'));
  Add(kInserted, std::string(60, 'b'));
  Layout(false);
  memo->ScrollToColumn(118);
  ASSERT_LT(CellX(60), memo->GutterWidth()) << "the first zone lies wholly behind the gutter";
  memo->StartSelection(100, 0, paneText);
  memo->ExtendSelection(103, 0);
  ExpectMarked(100, 103, kPink);
}

TEST_F(Painting, UpdatedLineDrawsSharedPartsInTheUpdatedStyle) {
  Add(kEqual, "ab");
  Add(kDeleted, "X");
  Add(kEqual, "cd");
  Layout(false);
  const QImage image = Grab();
  EXPECT_EQ(CellBackground(image, CellX(0), 0), kGreen);
  EXPECT_EQ(CellBackground(image, CellX(2), 0), kBlue);
  EXPECT_EQ(CellBackground(image, CellX(3), 0), kGreen);
  EXPECT_EQ(Pixel(image, image.width() - 2, RowY(0)), kGreen);
}

TEST_F(Painting, ControlBytesAndBreaksInTheHexCharacterColumnAreSymbols) {
  Resize(700, 300);
  Add(kEqual, std::string("ab\r\ncd") + std::string(10, ' '));
  Layout(false, true);
  const QImage image = Grab();
  const QRect cr(HexCharX(2) + 1, 1, memo->CharWidth() - 2, memo->LineHeight() - 2);
  EXPECT_GT(Ink(image, cr, kWhite), 0) << "the CR byte shows a glyph in its own cell";
  EXPECT_EQ(memo->Model().LineCount(), 1) << "the row does not break there";
}

TEST_F(Painting, NoLinesShowsGutterAndControlColour) {
  const QImage image = Grab();
  EXPECT_EQ(Pixel(image, image.width() / 2, image.height() / 2), kGrey);
  EXPECT_EQ(Pixel(image, 1, 1), Palette(QPalette::Button));
}

// The first pixel column of a row band, from x on, that is darker than every background.
int FirstInk(const QImage &image, int from, int to, int top, int height) {
  for (int x = from; x < to; ++x)
    for (int y = top; y < top + height; ++y)
      if (qGray(image.pixel(x, y)) < 100)
        return x;
  return -1;
}

// A character's left edge is its cell's, whatever the zones before it and the font size: the
// caret, selection and hit test use the same cells.
TEST_F(Painting, EveryCharacterStartsInItsOwnCell) {
  Resize(1200, 300);
  for (int pixels : {8, 13, 21, 34}) {
    QFont font = memo->font();
    font.setPixelSize(pixels);
    memo->setFont(font);
    for (TVFont &f : fonts)
      f.Font = font;
    const int col = std::min(126, (1150 - 4 * memo->CharWidth()) / memo->CharWidth());
    list.Clear();
    texts.clear();
    const std::string tail = "|\r\n";
    Add(kEqual, std::string(col, ' ') + tail); // one zone
    Add(kInserted, std::string(col / 3, ' ')); // three zones of other kinds
    Add(kDeleted, std::string(col / 3, ' '));
    Add(kEqual, std::string(col - 2 * (col / 3), ' ') + tail);
    for (int k = 0; k < col; ++k) // a zone per character
      Add(k % 2 ? kInserted : kEqual, " ");
    Add(kEqual, tail);
    Layout(false);
    ASSERT_EQ(memo->Model().LineCount(), 4);
    const QImage image = Grab();
    const int cell = CellX(col), h = memo->LineHeight();
    for (int row = 0; row < 3; ++row) {
      const int ink = FirstInk(image, CellX(col - 3), CellX(col + 3), row * h, h);
      EXPECT_GE(ink, cell) << pixels << " px, row " << row;
      EXPECT_LT(ink, cell + memo->CharWidth()) << pixels << " px, row " << row;
    }
  }
}

TEST_F(Painting, HexGroupLinesFallBetweenTheDigitsOfTwoBytes) {
  Resize(700, 300);
  Add(kEqual, std::string(16, '\xE8'));
  Layout(false, true);
  const QImage image = Grab();
  // The line after the 4th byte stands in the blank cell that follows its digits; the next ones
  // 12 cells on.
  const int blank = CellX(11), x = static_cast<int>(memo->Geometry().HexDigitGroupX(0));
  EXPECT_GE(x, blank);
  EXPECT_LT(x, blank + memo->CharWidth());
  for (int group = 0; group < 3; ++group) // on the white band, where the digits are
    EXPECT_EQ(Pixel(image, x + group * 12 * memo->CharWidth(), 1),
              group == 1 ? 0x808080u : 0xC0C0C0u)
        << "group line " << group;
}

// Spaces in an underlined and a struck-out style after some shared text: the only ink of their
// cells is the decoration, under them and across them, and the text before them is drawn as it
// is without decorations, in the single-byte code pages and in UTF-8.
TEST_F(Painting, UnderlineAndStrikeOutAreDrawnAlongTheirText) {
  for (const std::int32_t kind : {kInserted, kDeleted}) {
    Add(kEqual, "0123456789");
    Add(kind, "        \r\n");
  }
  for (const bool utf8 : {false, true}) {
    memo->Model().SetTextForm({utf8, 8});
    fonts[kInserted - 1].Font.setUnderline(false);
    fonts[kDeleted - 1].Font.setStrikeOut(false);
    Layout(false);
    memo->clearFocus();
    const QImage before = Grab();
    fonts[kInserted - 1].Font.setUnderline(true);
    fonts[kDeleted - 1].Font.setStrikeOut(true);
    Layout(false);
    Focus(); // as in a window: the text has the focus and shows its caret
    memo->MoveCaret(0, 2, false);
    const QImage image = Grab();
    const int h = memo->LineHeight();
    const QRect cells(CellX(10), 0, CellX(18) - CellX(10), h);
    const QRect lower = cells.adjusted(0, h / 2, 0, 0), upper = cells.adjusted(0, 0, 0, -h / 2);
    EXPECT_GT(Ink(image, lower, kPink), CellX(6) - CellX(0)) << "underline, utf8 " << utf8;
    EXPECT_EQ(Ink(image, upper, kPink), 0) << "nothing above the underline";
    EXPECT_GT(Ink(image, cells.translated(0, h), kBlue), CellX(6) - CellX(0))
        << "strike-out, utf8 " << utf8;
    const QRect shared(CellX(0), 0, CellX(10) - CellX(0), 2 * h);
    EXPECT_EQ(image.copy(shared), before.copy(shared))
        << "no decoration strays onto the text before, utf8 " << utf8;
    const QRect past(CellX(19), 0, 2 * memo->CharWidth(), 2 * h);
    EXPECT_EQ(Ink(image, past, kGreen), 0) << "the decorations end with the text";
  }
}

// "văn" written with a separate combining breve: the breve goes over its own letter's cell, the
// cells around it are drawn as in "van"; so do marks that compose to no character.
TEST_F(Painting, ACombiningMarkIsDrawnInItsBasesCell) {
  Add(kEqual, "van\r\nva\xCC\x86n\r\nxx\xCC\x81\xCC\x82 q\xCC\xA3");
  memo->Model().SetTextForm({true, 8});
  Layout(false);
  const QImage image = Grab();
  const int h = memo->LineHeight();
  const auto cell = [&](int col, int row) {
    return image.copy(CellX(col), row * h, memo->CharWidth(), h);
  };
  EXPECT_EQ(cell(0, 0), cell(0, 1)) << "the v is untouched";
  EXPECT_NE(cell(1, 0), cell(1, 1)) << "the breve is over the a";
  EXPECT_EQ(cell(2, 0), cell(2, 1)) << "the n is where it was";
  EXPECT_NE(cell(0, 2), cell(1, 2)) << "two marks with no composed form, over their x";
  EXPECT_EQ(cell(2, 2), cell(3, 0)) << "nothing of them beside it";
}

// Far into a long UTF-8 line the plain characters before the view are counted, not walked: a
// wide character and a marked letter before them still move every cell after, and a zone whose
// start is scrolled out keeps its style.
TEST_F(Painting, FarIntoALongLineTheCellsAndZonesStayRight) {
  // 1000 + 2 (a wide 中) + 1996 + 1 (e with a combining acute) cells of the shared text, green on
  // the mixed line: the pink begins at 2999.
  Add(kEqual, std::string(1000, 'a') + "\xE4\xB8\xAD" + std::string(1996, 'a') + "e\xCC\x81");
  Add(kInserted, std::string(3000, 'b'));
  memo->Model().SetTextForm({true, 8});
  Layout(false);
  memo->MoveCaret(3003, 0, true);
  QImage image = Grab();
  EXPECT_EQ(CellBackground(image, CellX(2998), 0), kGreen);
  EXPECT_EQ(CellBackground(image, CellX(2999), 0), kPink);
  Focus();
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(CellX(2998) + 2, 3));
  EXPECT_EQ(memo->Caret().Col, 2999) << "the marked e begins at byte 2999";
  QTest::keyClick(memo, Qt::Key_Right);
  EXPECT_EQ(memo->Caret().Col, 3002) << "over the e and its mark at once";
  memo->MoveCaret(6002, 0, true);
  image = Grab();
  EXPECT_EQ(CellBackground(image, CellX(5990), 0), kPink) << "the inserted zone, its start far out";
}

} // namespace
