// The about box, with the link to the maker's web page.
#pragma once

#include "PlatformServices.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The maker's page, and the address the about box opens.
inline constexpr char kMakerSite[] = "http://www.morvane.example/";
inline constexpr char kAboutLink[] = "http://www.morvane.example/index.htm?ref=dorix13-about";

class TFormDorixAbout : public QDialog {
public:
  TFormDorixAbout(const TPlatformServices &platform, QWidget *parent = nullptr);

  void Label4Click();

  QFrame *Panel1;
  QLabel *Label1, *Label2, *Label4;
  QPushButton *btnOk;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  const TPlatformServices &FPlatform;
};
