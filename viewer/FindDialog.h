// The modeless find dialog: a string, direction up or down, match case and whole word.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFindDialog : public QDialog {
  Q_OBJECT

public:
  explicit TFindDialog(QWidget *parent = nullptr);

  QString FindText() const;
  void SetFindText(const QString &text);
  bool Down() const;
  void SetDown(bool down);
  bool MatchCase() const;
  bool WholeWord() const;
  // Greys match case and whole word out (their state stays), as in the hex-digit pane.
  void SetCaseAndWordEnabled(bool enabled);

  QLineEdit *edFind;
  QRadioButton *rbUp, *rbDown;
  QCheckBox *chkMatchCase, *chkWholeWord;
  QPushButton *btnFind, *btnCancel;

signals:
  void Find();
};
