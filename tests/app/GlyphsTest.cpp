// The gutter glyphs: the classic pixels at scale 1, and at 1.5 and 2 drawn anew from their
// shapes, sharp (only their own colours, nothing blended with the white that shows the line).
#include "Glyphs.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

// One character per pixel: '.' white, R red, B blue, G green, a light and d dark grey.
QImage FromRows(const std::vector<std::string> &rows) {
  QImage image(9, 6, QImage::Format_RGB32);
  const std::map<char, QRgb> colours{{'.', qRgb(255, 255, 255)},    {'R', qRgb(255, 0, 0)},
                                     {'B', qRgb(0, 0, 255)},        {'G', qRgb(0, 255, 0)},
                                     {'a', qRgb(0xA0, 0xA0, 0xA0)}, {'d', qRgb(0x80, 0x80, 0x80)}};
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 9; ++x)
      image.setPixel(x, y, colours.at(rows[y][x]));
  return image;
}

const std::vector<std::string> kInserted{"...RR....", "...RR....", ".RRRRRR..",
                                         ".RRRRRR..", "...RR....", "...RR...."};
const std::vector<std::string> kDeleted{".........", ".........", ".BBBBBB..",
                                        ".BBBBBB..", ".........", "........."};
const std::vector<std::string> kUpdated{"..G..G...", ".GGa.GG..", "GGGa.GGGd",
                                        ".GGa.GGd.", "..Ga.Gd..", "...a.d..."};

TEST(Glyphs, AtScaleOneTheyAreTheClassicPixels) {
  EXPECT_EQ(MakeGlyphInserted(), FromRows(kInserted));
  EXPECT_EQ(MakeGlyphDeleted(), FromRows(kDeleted));
  EXPECT_EQ(MakeGlyphUpdated(), FromRows(kUpdated));
}

TEST(Glyphs, AtLargerScalesTheyAreDrawnSharpInTheirOwnColours) {
  const std::pair<QImage (*)(qreal), std::vector<std::string>> glyphs[] = {
      {MakeGlyphInserted, kInserted}, {MakeGlyphDeleted, kDeleted}, {MakeGlyphUpdated, kUpdated}};
  for (const qreal scale : {1.5, 2.0}) {
    for (const auto &[make, rows] : glyphs) {
      const QImage image = make(scale);
      const QImage classic = FromRows(rows);
      EXPECT_EQ(image.devicePixelRatio(), scale);
      EXPECT_EQ(image.size(), QSize(std::ceil(9 * scale), std::ceil(6 * scale)));
      QSet<QRgb> own, drawn;
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x)
          own << classic.pixel(x, y);
      int covered = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          drawn << image.pixel(x, y);
          covered += image.pixel(x, y) != qRgb(255, 255, 255);
        }
      EXPECT_EQ(drawn, own) << "scale " << scale << ": no blended colour, none missing";
      int classicCovered = 0;
      for (const std::string &row : rows)
        classicCovered += static_cast<int>(9 - std::count(row.begin(), row.end(), '.'));
      // The shapes cover about as much of the glyph as the classic pixels do.
      EXPECT_NEAR(covered / (scale * scale), classicCovered, classicCovered * 0.35)
          << "scale " << scale;
    }
    // At 2 a straight stroke is exactly twice as thick: the plus's bar is 4 device rows.
    const QImage plus = MakeGlyphInserted(2);
    EXPECT_EQ(plus.pixel(2, 3), qRgb(255, 255, 255));
    for (int y = 4; y < 8; ++y)
      EXPECT_EQ(plus.pixel(2, y), qRgb(255, 0, 0)) << y;
    EXPECT_EQ(plus.pixel(2, 8), qRgb(255, 255, 255));
  }
}

} // namespace
