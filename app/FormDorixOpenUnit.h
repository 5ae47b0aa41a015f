// The dialog that asks for the two file names, typed or browsed for.
#pragma once

#include "PlatformServices.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TFormDorixOpen : public QDialog {
public:
  TFormDorixOpen(const TPlatformServices &platform, QWidget *parent = nullptr);

  void btnOpenActualClick();
  void btnOpenObsoleteClick();

  QLabel *Label1, *Label2;
  QLineEdit *edActualPFN, *edObsoletePFN;
  QToolButton *btnOpenActual, *btnOpenObsolete;
  QPushButton *btnOk, *btnCancel;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  void Browse(QLineEdit *field, const QString &title);

  const TPlatformServices &FPlatform;
};
