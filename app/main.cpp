// dorix FIRST SECOND: compares the first (new) file with the second (old) one in a window.
#include "FileNames.h"
#include "Language.h"
#include "UnitDorix.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] = "usage: dorix [NEW [OLD]]\n"
                      "  Compares the file NEW with the file OLD in a window; either may be\n"
                      "  chosen there instead. dorix-diff does the same in a terminal.\n";

// --help and --version are answered before any window system is asked for, so that they work
// in a terminal without a display.
bool AnswerInfoOption(int argc, char **argv) {
  if (argc != 2)
    return false;
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
    std::fputs(kUsage, stdout);
  else if (std::strcmp(argv[1], "--version") == 0)
    std::fputs("dorix " DORIX_VERSION "\n", stdout);
  else
    return false;
  return true;
}

} // namespace

int main(int argc, char **argv) {
  if (AnswerInfoOption(argc, argv))
    return 0;
  // The file names are taken as they are: Qt sees none of our arguments, so a name that looks
  // like one of its own options stays a name.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  InstallLanguage(app, LanguageFor(QLocale::system()));
  auto argument = [&](int i) { return i < argc ? DecodeFileName(argv[i]) : QString(); };

  TfrmDorix frmDorix;
  frmDorix.ChangeActualPFN(argument(1));
  frmDorix.SetActualCaption(frmDorix.ActualPFN());
  frmDorix.ChangeObsoletePFN(argument(2));
  frmDorix.SetObsoleteCaption(frmDorix.ObsoletePFN());
  frmDorix.show();
  return app.exec();
}
