// A bar above the text with a note and one button that acts on it: a note, not an alarm.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

class TNoteBar : public QFrame {
  Q_OBJECT

public:
  TNoteBar(const QString &button, const QString &buttonTip, QWidget *parent);

  QLabel *lblMessage;
  QPushButton *btnAction;

signals:
  void ActionClicked();
};
