// dorix FIRST SECOND: compares the first (new) file with the second (old) one in a window.
#include "FileNames.h"
#include "Language.h"
#include "UnitDorix.h"
#include "WindowArguments.h"

#include <QApplication>

#include <QIcon>

#include <cstdio>

int main(int argc, char **argv) {
  // Answered before any window system is asked for, so that they work in a terminal without a
  // display.
  const TWindowArguments args = ParseWindowArguments(argc, argv);
  if (!args.Error.empty()) {
    std::fprintf(stderr, "dorix: %s\n%s", args.Error.c_str(), kWindowUsage);
    return 2;
  }
  if (args.Help || args.Version) {
    std::fputs(args.Help ? kWindowUsage : "dorix " DORIX_VERSION "\n", stdout);
    return 0;
  }
  // The file names are taken as they are: Qt sees none of our arguments, so a name that looks
  // like one of its own options stays a name.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  // The desktop ties the window to its menu entry (task bar, Alt+Tab) by the entry's name and
  // shows the icon of the installed theme, or the program's own where there is none.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.dorix.Dorix"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.dorix.Dorix"),
                                               QIcon(QStringLiteral(":/images/dorix.svg"))));
  InstallLanguage(app, LanguageFor(QLocale::system()));
  const auto file = [&](std::size_t i) {
    return i < args.Files.size() ? DecodeFileName(QByteArray::fromStdString(args.Files[i]))
                                 : QString();
  };
  // A label stands for its file wherever the window names it.
  const auto caption = [&](std::size_t i, const QString &path) {
    return i < args.Labels.size() ? QString::fromUtf8(args.Labels[i]) : path;
  };

  TfrmDorix frmDorix;
  frmDorix.ChangeActualPFN(file(0));
  frmDorix.SetActualCaption(caption(0, frmDorix.ActualPFN()));
  frmDorix.ChangeObsoletePFN(file(1));
  frmDorix.SetObsoleteCaption(caption(1, frmDorix.ObsoletePFN()));
  frmDorix.show();
  return app.exec();
}
