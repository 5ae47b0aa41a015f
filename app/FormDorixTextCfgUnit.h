// The style dialog: one text style on a preview field, background, text colour and font style.
#pragma once

#include "PlatformServices.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFormDorixTextCfg : public QDialog {
public:
  TFormDorixTextCfg(const TPlatformServices &platform, QWidget *parent = nullptr);

  void btnBkgColorClick();
  void btnFontColorClick();

  QLabel *Label1;
  QLineEdit *edPreview;
  QGroupBox *gbProp;
  QCheckBox *chkBold, *chkItalic, *chkUnderline, *chkStrikeOut;
  QPushButton *btnBkgColor, *btnFontColor, *btnOk, *btnCancel;

protected:
  void showEvent(QShowEvent *event) override;

private:
  void SetStyleBit(std::uint8_t bit, bool on);

  const TPlatformServices &FPlatform;
};
