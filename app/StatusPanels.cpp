#include "StatusPanels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <qdrawutil.h>

TStatusPanels::TStatusPanels(std::vector<Panel> panels, QWidget *parent)
    : QWidget(parent), FPanels(std::move(panels)) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TStatusPanels::SetText(int panel, const QString &text) {
  Panel &p = FPanels.at(static_cast<std::size_t>(panel));
  if (p.Text == text)
    return;
  p.Text = text;
  update();
}

void TStatusPanels::SetToolTip(int panel, const QString &text) {
  FPanels.at(static_cast<std::size_t>(panel)).ToolTip = text;
}

void TStatusPanels::SetShown(int panel, bool shown) {
  Panel &p = FPanels.at(static_cast<std::size_t>(panel));
  if (p.Shown == shown)
    return;
  p.Shown = shown;
  update();
}

int TStatusPanels::TakenWidth(std::size_t i, int left) const {
  if (!FPanels[i].Shown)
    return 0;
  return i + 1 == FPanels.size() ? std::max(0, width() - left) : FPanels[i].Width;
}

int TStatusPanels::PanelAt(int x) const {
  int left = 1;
  for (std::size_t i = 0; i < FPanels.size(); ++i) {
    const int width = TakenWidth(i, left);
    if (width > 0 && x >= left && x <= left + width)
      return static_cast<int>(i);
    left += width;
  }
  return -1;
}

bool TStatusPanels::event(QEvent *event) {
  if (event->type() != QEvent::ToolTip)
    return QWidget::event(event);
  const auto *help = static_cast<QHelpEvent *>(event);
  const int panel = PanelAt(help->pos().x());
  const QString tip = panel >= 0 ? FPanels[static_cast<std::size_t>(panel)].ToolTip : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this);
  }
  return true;
}

QSize TStatusPanels::sizeHint() const {
  return {200, fontMetrics().height() + 6};
}

void TStatusPanels::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Button));
  int left = 0;
  for (std::size_t i = 0; i < FPanels.size(); ++i) {
    const Panel &panel = FPanels[i];
    if (!panel.Shown)
      continue;
    const bool last = i + 1 == FPanels.size();
    const QRect box(left, 2, last ? width() - left : panel.Width - 2, height() - 3);
    if (box.width() <= 2)
      break; // the bar is narrower than its panels
    if (panel.Bevel)
      qDrawShadePanel(&p, box, palette(), true, 1);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(box.adjusted(3, 0, -3, 0), panel.Alignment | Qt::AlignVCenter, panel.Text);
    left += panel.Width;
  }
}

void TStatusPanels::mouseDoubleClickEvent(QMouseEvent *event) {
  const int panel = PanelAt(event->position().toPoint().x());
  if (panel >= 0)
    emit PanelDoubleClicked(panel);
}
