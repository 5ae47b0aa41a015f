#include "Placement.h"

#include <algorithm>

QRect OnScreen(const QRect &placement, const QVector<QRect> &screens) {
  if (screens.isEmpty())
    return placement;
  int widest = 0, tallest = 0;
  for (const QRect &s : screens) {
    widest = std::max(widest, s.width());
    tallest = std::max(tallest, s.height());
  }
  QRect r = placement;
  r.setSize(QSize(std::clamp(r.width(), 100, std::max(100, widest)),
                  std::clamp(r.height(), 100, std::max(100, tallest))));
  // Enough of the window to take hold of it must be on a screen.
  for (const QRect &s : screens)
    if (s.intersected(r).width() >= 50 && s.intersected(r).height() >= 30)
      return r;
  const QRect &first = screens.first();
  r.moveTopLeft(first.topLeft());
  return r;
}
