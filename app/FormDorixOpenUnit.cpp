#include "FormDorixOpenUnit.h"

#include "DialogLayout.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kDesignWidth = 439;
constexpr int kFieldRightMargin = kDesignWidth - (16 + 378); // the fields stretch with the dialog
constexpr int kButtonRightMargin = kDesignWidth - 393;       // the browse buttons keep to the edge

} // namespace

TFormDorixOpen::TFormDorixOpen(const TPlatformServices &platform, QWidget *parent)
    : QDialog(parent), FPlatform(platform) {
  setWindowTitle(QCoreApplication::translate("Dorix", "Выбор файлов для сравнения"));
  SetDesignFont(*this);
  setGeometry(197, 129, kDesignWidth, 187);

  Label1 =
      PlaceLabel(this, QCoreApplication::translate("Dorix", "Первый файл (новая версия):"), 16, 8);
  edActualPFN = new QLineEdit(this);
  edActualPFN->setGeometry(16, 24, 378, 21);
  btnOpenActual = new QToolButton(this);
  Label2 = PlaceLabel(this, QCoreApplication::translate("Dorix", "Второй файл (старая версия):"),
                      16, 56);
  edObsoletePFN = new QLineEdit(this);
  edObsoletePFN->setGeometry(16, 72, 378, 21);
  btnOpenObsolete = new QToolButton(this);
  for (QToolButton *b : {btnOpenActual, btnOpenObsolete}) {
    b->setIcon(QIcon(QStringLiteral(":/images/browse.svg")));
    b->setFocusPolicy(Qt::NoFocus);
  }
  btnOpenActual->setGeometry(393, 24, 23, 22);
  btnOpenObsolete->setGeometry(393, 72, 23, 22);
  btnOk = PlaceButton(this, QStringLiteral("Ok"), 120, 112, 75, 25);
  btnOk->setDefault(true);
  btnCancel = PlaceButton(this, QCoreApplication::translate("Dorix", "Отказ"), 256, 112, 75, 25);
  setTabOrder(edActualPFN, edObsoletePFN);
  setTabOrder(edObsoletePFN, btnOk);
  setTabOrder(btnOk, btnCancel);

  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject); // Escape as well
  connect(btnOpenActual, &QToolButton::clicked, this, &TFormDorixOpen::btnOpenActualClick);
  connect(btnOpenObsolete, &QToolButton::clicked, this, &TFormDorixOpen::btnOpenObsoleteClick);
  edActualPFN->installEventFilter(this);
  edObsoletePFN->installEventFilter(this);
}

void TFormDorixOpen::btnOpenActualClick() {
  Browse(edActualPFN, QCoreApplication::translate("Dorix", "Выбор первого (нового) файла"));
}

void TFormDorixOpen::btnOpenObsoleteClick() {
  Browse(edObsoletePFN, QCoreApplication::translate("Dorix", "Выбор второго (старого) файла"));
}

void TFormDorixOpen::Browse(QLineEdit *field, const QString &title) {
  if (const auto name = FPlatform.OpenFile(this, title, field->text()))
    field->setText(*name);
}

bool TFormDorixOpen::eventFilter(QObject *watched, QEvent *event) {
  // Ctrl+O in a field browses for that field's file; with any other modifier it is the field's.
  // The field claims the key before any window shortcut can take it.
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
  if (key) {
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (keyEvent->key() == Qt::Key_O && keyEvent->modifiers() == Qt::ControlModifier) {
      if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
      }
      watched == edActualPFN ? btnOpenActualClick() : btnOpenObsoleteClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFormDorixOpen::resizeEvent(QResizeEvent *event) {
  QDialog::resizeEvent(event);
  for (QLineEdit *field : {edActualPFN, edObsoletePFN})
    field->resize(width() - 16 - kFieldRightMargin, field->height());
  for (QToolButton *button : {btnOpenActual, btnOpenObsolete})
    button->move(width() - kButtonRightMargin, button->y());
}
