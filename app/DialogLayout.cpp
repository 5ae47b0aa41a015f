#include "DialogLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

template <typename Control> Control *Place(Control *c, int x, int y, int w, int h) {
  const QSize hint = c->sizeHint();
  c->setGeometry(x, y, std::max(w, hint.width()), std::max(h, hint.height()));
  return c;
}

} // namespace

void SetDesignFont(QWidget &window) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  window.setFont(font);
}

QLabel *PlaceLabel(QWidget *parent, const QString &text, int x, int y) {
  return Place(new QLabel(text, parent), x, y, 0, 0);
}

QPushButton *PlaceButton(QWidget *parent, const QString &text, int x, int y, int w, int h) {
  return Place(new QPushButton(text, parent), x, y, w, h);
}

QCheckBox *PlaceCheckBox(QWidget *parent, const QString &text, int x, int y, int w, int h) {
  return Place(new QCheckBox(text, parent), x, y, w, h);
}

void FitChildren(QWidget &window) {
  const QRect used = window.childrenRect();
  window.resize(std::max(window.width(), used.right() + 16),
                std::max(window.height(), used.bottom() + 16));
}

void NoDefaultButton(QWidget &window) {
  for (QPushButton *button : window.findChildren<QPushButton *>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
}
