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

// The pie's place and its slices' angles at the widget's size. Angles run counter-clockwise from
// three o'clock, in degrees.
struct TPieChart::TLayout {
  struct TPlaced {
    TPieSlice Slice;
    double Start = 0, Span = 0;
    QPointF Edge, Out; // where its mark's line leaves the slice, and where a mark beside it starts
    QRectF Mark;       // where its mark stands
  };
  QRectF Top; // the pie's upper face
  std::vector<TPlaced> Slices;
  double Total = 0;
};

namespace {

// The ellipse of the pie's face, grown by the rim beneath it.
bool CoversPie(const QRectF &box, const QRectF &top) {
  const QRectF pie = top.adjusted(0, 0, 0, kRimDepth);
  const auto inside = [&](QPointF p) {
    const double x = (p.x() - pie.center().x()) / (pie.width() / 2);
    const double y = (p.y() - pie.center().y()) / (pie.height() / 2);
    return x * x + y * y < 1;
  };
  return inside(box.topLeft()) || inside(box.topRight()) || inside(box.bottomLeft()) ||
         inside(box.bottomRight()) || inside(box.center());
}

// The place nearest to box's own that lies inside bounds and overlaps neither a taken place nor
// the pie; box's own when there is none.
QRectF FreePlace(const QRectF &box, const std::vector<QRectF> &taken, const QRectF &top,
                 const QRectF &bounds) {
  std::vector<QPointF> shifts;
  for (int dy = -8; dy <= 8; ++dy)
    for (int dx = -4; dx <= 4; ++dx)
      shifts.emplace_back(dx * (box.width() / 2 + 1), dy * (box.height() / 2 + 1));
  std::stable_sort(shifts.begin(), shifts.end(), [](QPointF a, QPointF b) {
    return a.x() * a.x() + a.y() * a.y() < b.x() * b.x() + b.y() * b.y();
  });
  for (const QPointF shift : shifts) {
    const QRectF place = box.translated(shift);
    const bool free = std::none_of(taken.begin(), taken.end(),
                                   [&](const QRectF &other) { return other.intersects(place); });
    if (free && bounds.contains(place) && !CoversPie(place, top))
      return place;
  }
  return box;
}

} // namespace

TPieChart::TLayout TPieChart::Layout() const {
  TLayout layout;
  for (const TPieSlice &s : Slices())
    layout.Total += s.Value;
  const QFontMetrics metrics(font());
  const int legendHeight = static_cast<int>(FSlices.size()) * kLegendRowHeight + 6;
  const int markRoom = metrics.height() + kMarkLine + 4;
  const int w =
      width() - 2 * (metrics.horizontalAdvance(QStringLiteral("99.99 %")) + kMarkLine + 8);
  const int h =
      std::min(static_cast<int>(w * kTilt), height() - legendHeight - kRimDepth - 2 * markRoom);
  if (w <= 0 || h <= 0 || layout.Total <= 0)
    return layout;
  layout.Top = QRectF((width() - w) / 2.0, markRoom, w, h);
  const QPointF centre = layout.Top.center();
  const QRectF bounds(0, 0, width() - 1, height() - 1);
  std::vector<QRectF> taken;
  double start = 90;
  for (const TPieSlice &s : Slices()) {
    TLayout::TPlaced pl;
    pl.Slice = s;
    pl.Start = start;
    pl.Span = 360.0 * s.Value / layout.Total;
    start += pl.Span;
    const double mid = (pl.Start + pl.Span / 2) * std::numbers::pi / 180;
    pl.Edge = {centre.x() + w / 2.0 * std::cos(mid), centre.y() - h / 2.0 * std::sin(mid)};
    pl.Out = {pl.Edge.x() + kMarkLine * std::cos(mid), pl.Edge.y() - kMarkLine * std::sin(mid)};
    QRectF box = metrics.boundingRect(PercentMark(s.Value, layout.Total)).adjusted(-3, -1, 3, 1);
    box.moveCenter(pl.Out +
                   QPointF(std::cos(mid) * box.width() / 2, -std::sin(mid) * box.height() / 2));
    // A mark wider than the room left for it beside the pie stays whole inside the widget.
    box.moveLeft(std::clamp(box.left(), 0.0, std::max(0.0, bounds.right() - box.width())));
    box.moveTop(std::clamp(box.top(), 0.0, std::max(0.0, bounds.bottom() - box.height())));
    pl.Mark = FreePlace(box, taken, layout.Top, bounds);
    taken.push_back(pl.Mark);
    layout.Slices.push_back(pl);
  }
  return layout;
}

std::vector<QRectF> TPieChart::MarkBoxes() const {
  std::vector<QRectF> boxes;
  for (const auto &pl : Layout().Slices)
    boxes.push_back(pl.Mark);
  return boxes;
}

void TPieChart::paintEvent(QPaintEvent *) {
  const TLayout layout = Layout();
  if (layout.Slices.empty())
    return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF &top = layout.Top;

  // The rim: the lower half of the ellipse pushed down, darker.
  for (int d = kRimDepth; d > 0; --d) {
    const QRectF layer = top.translated(0, d);
    for (const auto &pl : layout.Slices) {
      p.setPen(Qt::NoPen);
      p.setBrush(pl.Slice.Color.darker(140));
      p.drawPie(layer, static_cast<int>(pl.Start * 16), static_cast<int>(std::ceil(pl.Span * 16)));
    }
  }
  for (const auto &pl : layout.Slices) {
    p.setPen(QPen(Qt::black, 0.5));
    p.setBrush(pl.Slice.Color);
    if (pl.Span >= 360)
      p.drawEllipse(top);
    else
      p.drawPie(top, static_cast<int>(pl.Start * 16), static_cast<int>(pl.Span * 16));
  }

  // Marks: each joined to its slice by a line, to the nearest point of a mark moved away.
  p.setPen(Qt::black);
  for (const auto &pl : layout.Slices) {
    const QPointF end(std::clamp(pl.Out.x(), pl.Mark.left(), pl.Mark.right()),
                      std::clamp(pl.Out.y(), pl.Mark.top(), pl.Mark.bottom()));
    p.drawPolyline(QPolygonF{pl.Edge, pl.Out, end});
    p.setBrush(QColor(255, 255, 225));
    p.drawRect(pl.Mark);
    p.drawText(pl.Mark, Qt::AlignCenter, PercentMark(pl.Slice.Value, layout.Total));
  }

  // Legend: the slice names under the pie.
  const QFontMetrics metrics(font());
  int y = static_cast<int>(top.bottom()) + kRimDepth + metrics.height() + kMarkLine + 4;
  for (const auto &pl : layout.Slices) {
    p.setBrush(pl.Slice.Color);
    p.drawRect(QRectF(top.left(), y + 3, 10, 10));
    p.drawText(QPointF(top.left() + 16, y + metrics.ascent()), pl.Slice.Label);
    y += kLegendRowHeight;
  }
}
