#include "NoteBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TNoteBar::TNoteBar(const QString &button, const QString &buttonTip, QWidget *parent)
    : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC8));
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 2, 2, 2);
  lblMessage = new QLabel(this);
  btnAction = new QPushButton(button, this);
  btnAction->setToolTip(buttonTip);
  btnAction->setFocusPolicy(Qt::NoFocus); // the text keeps the keyboard
  layout->addWidget(lblMessage, 1);
  layout->addWidget(btnAction);
  hide();
  connect(btnAction, &QPushButton::clicked, this, &TNoteBar::ActionClicked);
}
