#include "PieChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTilt = 0.55; // the ellipse's height over its width: viewed from above
constexpr int kRimDepth = 14;  // pixels of the visible rim
constexpr int kMarkLine = 8;   // the line joining a mark to its slice
constexpr int kLegendRowHeight = 16;

} // namespace

void TPieChart::Clear() {
  FSlices.clear();
  update();
}

void TPieChart::Add(const QString &label, double value, const QColor &color) {
  FSlices.push_back({label, value, color});
  update();
}

std::vector<TPieSlice> TPieChart::Slices() const {
  std::vector<TPieSlice> sorted = FSlices;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const TPieSlice &a, const TPieSlice &b) { return a.Value > b.Value; });
  return sorted;
}

QString PercentMark(double value, double total) {
  const double percent = total > 0 ? 100.0 * value / total : 0;
  QString text = QString::number(percent, 'f', 2);
  while (text.endsWith(QLatin1Char('0')))
    text.chop(1);
  if (text.endsWith(QLatin1Char('.')))
    text.chop(1);
  return text + QStringLiteral(" %");
}

void TPieChart::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const std::vector<TPieSlice> slices = Slices();
  double total = 0;
  for (const auto &s : slices)
    total += s.Value;

  const int legendHeight = static_cast<int>(slices.size()) * kLegendRowHeight + 6;
  const QFontMetrics metrics(font());
  const int markRoom = metrics.height() + kMarkLine + 4;
  const int w =
      width() - 2 * (metrics.horizontalAdvance(QStringLiteral("99.99 %")) + kMarkLine + 8);
  const int h =
      std::min(static_cast<int>(w * kTilt), height() - legendHeight - kRimDepth - 2 * markRoom);
  if (w <= 0 || h <= 0 || total <= 0)
    return;
  const QRectF top((width() - w) / 2.0, markRoom, w, h);
  const QPointF centre = top.center();

  // Angles run counter-clockwise from three o'clock, in 1/16 degrees for Qt.
  double start = 90;
  struct Placed {
    const TPieSlice *slice;
    double start, span;
  };
  std::vector<Placed> placed;
  for (const auto &s : slices) {
    const double span = 360.0 * s.Value / total;
    placed.push_back({&s, start, span});
    start += span;
  }

  // The rim: the lower half of the ellipse pushed down, darker.
  for (int d = kRimDepth; d > 0; --d) {
    const QRectF layer = top.translated(0, d);
    for (const auto &pl : placed) {
      p.setPen(Qt::NoPen);
      p.setBrush(pl.slice->Color.darker(140));
      p.drawPie(layer, static_cast<int>(pl.start * 16), static_cast<int>(std::ceil(pl.span * 16)));
    }
  }
  for (const auto &pl : placed) {
    p.setPen(QPen(Qt::black, 0.5));
    p.setBrush(pl.slice->Color);
    if (pl.span >= 360)
      p.drawEllipse(top);
    else
      p.drawPie(top, static_cast<int>(pl.start * 16), static_cast<int>(pl.span * 16));
  }

  // Marks: outside the slice at its middle angle, joined by a short line.
  p.setPen(Qt::black);
  for (const auto &pl : placed) {
    const double mid = (pl.start + pl.span / 2) * std::numbers::pi / 180;
    const QPointF edge(centre.x() + w / 2.0 * std::cos(mid), centre.y() - h / 2.0 * std::sin(mid));
    const QPointF out(edge.x() + kMarkLine * std::cos(mid), edge.y() - kMarkLine * std::sin(mid));
    p.drawLine(edge, out);
    const QString mark = PercentMark(pl.slice->Value, total);
    QRectF box = metrics.boundingRect(mark).adjusted(-3, -1, 3, 1);
    box.moveCenter(out +
                   QPointF(std::cos(mid) * box.width() / 2, -std::sin(mid) * box.height() / 2));
    // A mark wider than the room left for it beside the pie stays whole inside the widget.
    box.moveLeft(std::clamp(box.left(), 0.0, std::max(0.0, width() - 1 - box.width())));
    box.moveTop(std::clamp(box.top(), 0.0, std::max(0.0, height() - 1 - box.height())));
    p.setBrush(QColor(255, 255, 225));
    p.drawRect(box);
    p.drawText(box, Qt::AlignCenter, mark);
  }

  // Legend: the slice names under the pie.
  int y = static_cast<int>(top.bottom()) + kRimDepth + markRoom;
  for (const auto &s : slices) {
    p.setBrush(s.Color);
    p.drawRect(QRectF(top.left(), y + 3, 10, 10));
    p.drawText(QPointF(top.left() + 16, y + metrics.ascent()), s.Label);
    y += kLegendRowHeight;
  }
}
