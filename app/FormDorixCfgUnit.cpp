#include "FormDorixCfgUnit.h"

#include "DialogLayout.h"
#include "FormDorixTextCfgUnit.h"
#include "Settings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TUpDown::TUpDown(QLineEdit *buddy, int min, int max, QWidget *parent)
    : QWidget(parent), FBuddy(buddy), FMin(min), FMax(max), FPosition(min) {
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const auto &[arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, [this, delta = delta] { Step(delta); });
    layout->addWidget(button);
  }
  connect(buddy, &QLineEdit::textChanged, this, [this](const QString &text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= FMin && value <= FMax)
      FPosition = value; // anything else leaves the last valid position
  });
}

void TUpDown::SetPosition(int position) {
  FPosition = std::clamp(position, FMin, FMax);
  FBuddy->setText(QString::number(FPosition));
}

void TUpDown::Step(int delta) {
  SetPosition(FPosition + delta);
}

TFormDorixCfg::TFormDorixCfg(const TPlatformServices &platform, QWidget *parent)
    : QDialog(parent), FormDorixTextCfg(new TFormDorixTextCfg(platform, this)) {
  setWindowTitle(QCoreApplication::translate("Dorix", "Настройки:"));
  SetDesignFont(*this);
  setGeometry(192, 114, 345, 437);

  gbColor = new QGroupBox(QCoreApplication::translate("Dorix", " Цвет: "), this);
  gbColor->setGeometry(16, 40, 305, 265);
  auto sample = [this](const QString &text, int y) {
    auto *field = new QLineEdit(text, gbColor);
    field->setReadOnly(true);
    field->setCursorPosition(0); // a name longer than the field shows its start
    field->setGeometry(16, y, 177, 21);
    auto *change =
        PlaceButton(gbColor, QCoreApplication::translate("Dorix", "Изменить..."), 208, y, 83, 25);
    connect(change, &QPushButton::clicked, this, [this, field] { EditStyle(*field); });
    return std::pair{field, change};
  };
  std::tie(edColorInserted, btnChangeColorInserted) =
      sample(QCoreApplication::translate("Dorix", " Добавленный текст"), 24);
  std::tie(edColorDeleted, btnChangeColorDeleted) =
      sample(QCoreApplication::translate("Dorix", " Удаленный текст"), 56);
  std::tie(edColorEqual, btnChangeColorEqual) =
      sample(QCoreApplication::translate("Dorix", " Совпадающий текст"), 88);
  std::tie(edColorUpdated, btnChangeColorUpdated) =
      sample(QCoreApplication::translate("Dorix", " Изменившаяся строка"), 120);
  std::tie(edColorIgnored, btnChangeColorIgnored) =
      sample(QCoreApplication::translate("Dorix", " Не учитываемые различия"), 152);
  std::tie(edColorMoved, btnChangeColorMoved) =
      sample(QCoreApplication::translate("Dorix", " Перемещённый текст"), 184);
  btnDefaultColors = PlaceButton(
      gbColor, QCoreApplication::translate("Dorix", "Вернуть стандартные"), 56, 224, 161, 25);
  FitChildren(*gbColor);

  chkKeepFormPlace = PlaceCheckBox(
      this, QCoreApplication::translate("Dorix", "Запоминать координаты окна при выходе"), 16, 320,
      297, 17);
  chkKeepModes = PlaceCheckBox(
      this, QCoreApplication::translate("Dorix", "Запоминать режимы (Wrap, OEM, Hex) при выходе"),
      16, 344, 297, 17);
  btnOk = PlaceButton(this, QStringLiteral("Ok"), 64, 368, 75, 25);
  btnCancel = PlaceButton(this, QCoreApplication::translate("Dorix", "Отказ"), 176, 368, 75, 25);
  Label1 = PlaceLabel(this, QCoreApplication::translate("Dorix", "Размер шрифта:"), 16, 16);
  edFontSize = new QLineEdit(this);
  edFontSize->setGeometry(std::max(112, Label1->geometry().right() + 6), 8, 33, 21);
  UpDownFontSize = new TUpDown(edFontSize, 0, 100, this);
  UpDownFontSize->setGeometry(edFontSize->geometry().right() + 1, 8, 15, 21);
  lblTabWidth = PlaceLabel(this, QCoreApplication::translate("Dorix", "Табуляция:"), 192, 16);
  edTabWidth = new QLineEdit(this);
  edTabWidth->setGeometry(lblTabWidth->geometry().right() + 6, 8, 33, 21);
  UpDownTabWidth = new TUpDown(edTabWidth, 1, 16, this);
  UpDownTabWidth->setGeometry(edTabWidth->geometry().right() + 1, 8, 15, 21);
  FitChildren(*this);

  setTabOrder(btnChangeColorUpdated, btnChangeColorIgnored);
  setTabOrder(btnChangeColorIgnored, btnChangeColorMoved);
  setTabOrder(btnChangeColorMoved, btnDefaultColors);
  setTabOrder(btnDefaultColors, chkKeepFormPlace);
  setTabOrder(chkKeepFormPlace, chkKeepModes);
  setTabOrder(chkKeepModes, btnOk);
  setTabOrder(btnOk, btnCancel);
  setTabOrder(btnCancel, edFontSize);
  setTabOrder(edFontSize, edTabWidth);

  connect(btnDefaultColors, &QPushButton::clicked, this, &TFormDorixCfg::btnDefaultColorsClick);
  connect(edFontSize, &QLineEdit::textChanged, this, &TFormDorixCfg::edFontSizeChange);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  NoDefaultButton(*this);
}

QLineEdit *TFormDorixCfg::Samples(int i) const {
  QLineEdit *const samples[] = {edColorInserted, edColorDeleted, edColorEqual,
                                edColorUpdated,  edColorIgnored, edColorMoved};
  return samples[i];
}

void TFormDorixCfg::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  chkKeepFormPlace->setFocus();
}

void TFormDorixCfg::EditStyle(QLineEdit &field) {
  QLineEdit &preview = *FormDorixTextCfg->edPreview;
  preview.setText(field.text());
  TVTextStyle style;
  TextStyleFromEdit(field, style);
  preview.setFont(field.font());
  TextStyleToEdit(style, preview);
  if (FormDorixTextCfg->exec() != QDialog::Accepted)
    return;
  TextStyleFromEdit(preview, style);
  field.setFont(preview.font());
  TextStyleToEdit(style, field);
}

std::array<std::pair<QLineEdit *, TVTextStyle TStyleSet::*>, 6> TFormDorixCfg::StyleFields() const {
  return {{{edColorInserted, &TStyleSet::Inserted},
           {edColorDeleted, &TStyleSet::Deleted},
           {edColorUpdated, &TStyleSet::Updated},
           {edColorEqual, &TStyleSet::Equal},
           {edColorIgnored, &TStyleSet::Ignored},
           {edColorMoved, &TStyleSet::Moved}}};
}

void TFormDorixCfg::ShowStyles(const TStyleSet &styles, bool dark, const QFont &font) {
  FDark = dark;
  gbColor->setTitle(dark ? QCoreApplication::translate("Dorix", " Цвет (тёмная схема): ")
                         : QCoreApplication::translate("Dorix", " Цвет: "));
  for (const auto &[field, style] : StyleFields()) {
    field->setFont(font);
    TextStyleToEdit(styles.*style, *field);
  }
}

TStyleSet TFormDorixCfg::EditedStyles() const {
  TStyleSet styles;
  for (const auto &[field, style] : StyleFields())
    TextStyleFromEdit(*field, styles.*style);
  return styles;
}

void TFormDorixCfg::btnDefaultColorsClick() {
  const TStyleSet &defaults = DefaultStyles(FDark);
  for (const auto &[field, style] : StyleFields()) { // plain text; name and size stay
    const TVTextStyle &given = defaults.*style;
    TextStyleToEdit({given.FontColor, 0, given.BkgColor}, *field);
  }
}

void TFormDorixCfg::edFontSizeChange(const QString &text) {
  const int size = text.toInt(); // 0 when the text is not a whole number
  for (int i = 0; i < kSampleCount; ++i) {
    QFont font = Samples(i)->font();
    font.setPointSize(std::max(1, size)); // a font cannot be smaller than a point
    Samples(i)->setFont(font);
  }
}
