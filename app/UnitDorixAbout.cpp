#include "UnitDorixAbout.h"

#include "DialogLayout.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

TFormDorixAbout::TFormDorixAbout(const TPlatformServices &platform, QWidget *parent)
    : QDialog(parent), FPlatform(platform) {
  setWindowTitle(QCoreApplication::translate("Dorix", "О программе:"));
  SetDesignFont(*this);
  setGeometry(246, 141, 243, 211);

  Panel1 = new QFrame(this);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setGeometry(8, 8, 217, 121);
  Label1 = PlaceLabel(Panel1, QStringLiteral("Morvane Dorix"), 40, 16);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->adjustSize();
  Label2 = PlaceLabel(Panel1, QStringLiteral("Version 1.3"), 72, 40);
  Label4 = PlaceLabel(Panel1, QString::fromLatin1(kMakerSite), 48, 88);
  QFont link = Label4->font();
  link.setUnderline(true);
  Label4->setFont(link);
  QPalette blue = Label4->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Label4->setPalette(blue);
  Label4->adjustSize();
  Label4->setCursor(Qt::PointingHandCursor);
  Label4->installEventFilter(this);
  btnOk = PlaceButton(this, QStringLiteral("Ok"), 72, 144, 75, 25);
  FitChildren(*Panel1);
  FitChildren(*this);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormDorixAbout::Label4Click() {
  FPlatform.OpenUrl(QUrl(QString::fromLatin1(kAboutLink)));
}

bool TFormDorixAbout::eventFilter(QObject *watched, QEvent *event) {
  if (watched == Label4 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
    Label4Click();
  return QDialog::eventFilter(watched, event);
}
