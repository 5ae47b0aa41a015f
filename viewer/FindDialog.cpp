#include "FindDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("Dorix", "Найти"));
  edFind = new QLineEdit;
  auto *label = new QLabel(QCoreApplication::translate("Dorix", "&Что:"));
  label->setBuddy(edFind);
  chkWholeWord = new QCheckBox(QCoreApplication::translate("Dorix", "Только слово &целиком"));
  chkMatchCase = new QCheckBox(QCoreApplication::translate("Dorix", "С учетом &регистра"));
  rbUp = new QRadioButton(QCoreApplication::translate("Dorix", "&Вверх"));
  rbDown = new QRadioButton(QCoreApplication::translate("Dorix", "В&низ"));
  rbDown->setChecked(true);
  auto *direction = new QGroupBox(QCoreApplication::translate("Dorix", "Направление"));
  auto *directionLayout = new QHBoxLayout(direction);
  directionLayout->addWidget(rbUp);
  directionLayout->addWidget(rbDown);
  btnFind = new QPushButton(QCoreApplication::translate("Dorix", "&Найти далее"));
  btnFind->setDefault(true);
  btnCancel = new QPushButton(QCoreApplication::translate("Dorix", "Отмена"));

  auto *grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(edFind, 0, 1, 1, 2);
  grid->addWidget(btnFind, 0, 3);
  auto *options = new QVBoxLayout;
  options->addWidget(chkWholeWord);
  options->addWidget(chkMatchCase);
  options->addStretch();
  grid->addLayout(options, 1, 0, 1, 2);
  grid->addWidget(direction, 1, 2);
  grid->addWidget(btnCancel, 1, 3, Qt::AlignTop);

  connect(btnFind, &QPushButton::clicked, this, &TFindDialog::Find);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFindDialog::FindText() const {
  return edFind->text();
}
void TFindDialog::SetFindText(const QString &text) {
  edFind->setText(text);
}
bool TFindDialog::Down() const {
  return rbDown->isChecked();
}
void TFindDialog::SetDown(bool down) {
  (down ? rbDown : rbUp)->setChecked(true);
}
bool TFindDialog::MatchCase() const {
  return chkMatchCase->isChecked();
}
bool TFindDialog::WholeWord() const {
  return chkWholeWord->isChecked();
}

void TFindDialog::SetCaseAndWordEnabled(bool enabled) {
  chkMatchCase->setEnabled(enabled);
  chkWholeWord->setEnabled(enabled);
}
