#include "Glyphs.h"

namespace {

QImage Blank() {
  QImage image(9, 6, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// A one-pixel vertical line covering rows from..to, both included.
void Column(QImage &image, int x, int from, int to, QRgb colour) {
  for (int y = from; y <= to; ++y)
    image.setPixel(x, y, colour);
}

void Bar(QImage &image, QRgb colour) { // rows 2 and 3, columns 1 to 6
  for (int x = 1; x <= 6; ++x)
    Column(image, x, 2, 3, colour);
}

} // namespace

QImage MakeGlyphInserted() {
  QImage image = Blank();
  const QRgb red = qRgb(0xFF, 0, 0);
  Column(image, 3, 0, 5, red);
  Column(image, 4, 0, 5, red);
  Bar(image, red);
  return image;
}

QImage MakeGlyphDeleted() {
  QImage image = Blank();
  Bar(image, qRgb(0, 0, 0xFF));
  return image;
}

QImage MakeGlyphUpdated() {
  QImage image = Blank();
  const QRgb green = qRgb(0, 0xFF, 0);
  Column(image, 0, 2, 2, green); // pointing left
  Column(image, 1, 1, 3, green);
  Column(image, 2, 0, 4, green);
  Column(image, 7, 2, 2, green); // pointing right
  Column(image, 6, 1, 3, green);
  Column(image, 5, 0, 4, green);
  Column(image, 3, 1, 5, qRgb(0xA0, 0xA0, 0xA0));
  for (int k = 0; k < 4; ++k) // the line from (5,5) to (9,1), its end left out
    image.setPixel(5 + k, 5 - k, qRgb(0x80, 0x80, 0x80));
  return image;
}
