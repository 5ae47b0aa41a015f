#include "Glyphs.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <functional>

namespace {

// A glyph drawn in its own 9 by 6 coordinates on white, without smoothing: a shape covers the
// device pixels whose centres it holds, so that edges stay sharp and nothing blends into the
// white that is made transparent.
QImage Draw(qreal scale, const std::function<void(QPainter &)> &shapes) {
  QImage image(static_cast<int>(std::ceil(9 * scale)), static_cast<int>(std::ceil(6 * scale)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  shapes(painter);
  return image;
}

void Fill(QPainter &painter, const QPolygonF &shape, QRgb colour) {
  painter.setBrush(QColor::fromRgb(colour));
  painter.drawPolygon(shape);
}

QPolygonF Box(qreal x, qreal y, qreal w, qreal h) {
  return QPolygonF(QRectF(x, y, w, h));
}

const QPolygonF kBar = Box(1, 2, 6, 2); // the stroke of the plus and the minus

} // namespace

QImage MakeGlyphInserted(qreal scale) {
  return Draw(scale, [](QPainter &p) {
    Fill(p, Box(3, 0, 2, 6), qRgb(0xFF, 0, 0));
    Fill(p, kBar, qRgb(0xFF, 0, 0));
  });
}

QImage MakeGlyphDeleted(qreal scale) {
  return Draw(scale, [](QPainter &p) { Fill(p, kBar, qRgb(0, 0, 0xFF)); });
}

QImage MakeGlyphUpdated(qreal scale) {
  return Draw(scale, [](QPainter &p) {
    // Arrowheads widening by one row up and down per column: 1, 3 and 5 pixels at scale 1.
    Fill(p, QPolygonF({{0, 2.5}, {3, -0.5}, {3, 5.5}}), qRgb(0, 0xFF, 0));
    Fill(p, QPolygonF({{8, 2.5}, {5, -0.5}, {5, 5.5}}), qRgb(0, 0xFF, 0));
    Fill(p, Box(3, 1, 1, 5), qRgb(0xA0, 0xA0, 0xA0));
    // The stroke from (5,5) up to (8,2), one pixel wide at scale 1.
    Fill(p, QPolygonF({{5, 5.5}, {5, 6.5}, {9, 2.5}, {9, 1.5}}), qRgb(0x80, 0x80, 0x80));
  });
}

QImage MakeGlyphMoved(qreal scale) {
  return Draw(scale, [](QPainter &p) {
    Fill(p, Box(0, 2, 5, 2), qRgb(0xE0, 0x80, 0));
    Fill(p, QPolygonF({{5, -0.5}, {8.5, 3}, {5, 6.5}}), qRgb(0xE0, 0x80, 0));
  });
}
