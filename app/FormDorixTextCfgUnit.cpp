#include "FormDorixTextCfgUnit.h"

#include "DialogLayout.h"
#include "TextStyle.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormDorixTextCfg::TFormDorixTextCfg(const TPlatformServices &platform, QWidget *parent)
    : QDialog(parent), FPlatform(platform) {
  setWindowTitle(QCoreApplication::translate("Dorix", "Настройка стиля"));
  SetDesignFont(*this);
  setGeometry(208, 194, 282, 281);

  Label1 = PlaceLabel(this, QCoreApplication::translate("Dorix", "Образец:"), 16, 8);
  edPreview = new QLineEdit(this);
  edPreview->setGeometry(16, 24, 241, 21);
  edPreview->setReadOnly(true);
  edPreview->setFocusPolicy(Qt::NoFocus);
  gbProp = new QGroupBox(QCoreApplication::translate("Dorix", " Свойства: "), this);
  gbProp->setGeometry(16, 56, 241, 137);
  chkBold =
      PlaceCheckBox(gbProp, QCoreApplication::translate("Dorix", "Полужирный"), 16, 24, 113, 17);
  chkItalic =
      PlaceCheckBox(gbProp, QCoreApplication::translate("Dorix", "Курсив"), 16, 48, 113, 17);
  chkUnderline =
      PlaceCheckBox(gbProp, QCoreApplication::translate("Dorix", "Подчеркнутый"), 16, 72, 113, 17);
  chkStrikeOut =
      PlaceCheckBox(gbProp, QCoreApplication::translate("Dorix", "Зачеркнутый"), 16, 96, 113, 17);
  btnBkgColor =
      PlaceButton(gbProp, QCoreApplication::translate("Dorix", "Цвет фона"), 136, 24, 89, 25);
  btnFontColor =
      PlaceButton(gbProp, QCoreApplication::translate("Dorix", "Цвет текста"), 136, 64, 89, 25);
  btnOk = PlaceButton(this, QStringLiteral("Ok"), 56, 208, 75, 25);
  btnCancel = PlaceButton(this, QCoreApplication::translate("Dorix", "Отказ"), 160, 208, 75, 25);
  FitChildren(*gbProp);
  FitChildren(*this);

  const std::pair<QCheckBox *, std::uint8_t> boxes[] = {{chkBold, fsBold},
                                                        {chkItalic, fsItalic},
                                                        {chkUnderline, fsUnderline},
                                                        {chkStrikeOut, fsStrikeOut}};
  for (const auto &[box, bit] : boxes)
    connect(box, &QCheckBox::clicked, this, [this, bit = bit](bool on) { SetStyleBit(bit, on); });
  connect(btnBkgColor, &QPushButton::clicked, this, &TFormDorixTextCfg::btnBkgColorClick);
  connect(btnFontColor, &QPushButton::clicked, this, &TFormDorixTextCfg::btnFontColorClick);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  NoDefaultButton(*this);
}

void TFormDorixTextCfg::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  const QFont font = edPreview->font();
  chkBold->setChecked(font.bold());
  chkItalic->setChecked(font.italic());
  chkUnderline->setChecked(font.underline());
  chkStrikeOut->setChecked(font.strikeOut());
  btnBkgColor->setFocus();
}

void TFormDorixTextCfg::SetStyleBit(std::uint8_t bit, bool on) {
  QFont font = edPreview->font();
  const std::uint8_t style = FontStyleOf(font);
  ApplyFontStyle(font, on ? (style | bit) : (style & ~bit));
  edPreview->setFont(font);
}

void TFormDorixTextCfg::btnBkgColorClick() {
  TVTextStyle style;
  TextStyleFromEdit(*edPreview, style);
  if (const auto color = FPlatform.ChooseColor(this, ToQColor(style.BkgColor, palette())))
    SetEditColors(*edPreview, style.FontColor, FromQColor(*color));
}

void TFormDorixTextCfg::btnFontColorClick() {
  TVTextStyle style;
  TextStyleFromEdit(*edPreview, style);
  if (const auto color = FPlatform.ChooseColor(this, ToQColor(style.FontColor, palette())))
    SetEditColors(*edPreview, FromQColor(*color), style.BkgColor);
}
