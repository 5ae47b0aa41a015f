// dorix FIRST SECOND: compares the first (new) file with the second (old) one in a window.
#include "FileNames.h"
#include "UnitDorix.h"

#include <QApplication>

int main(int argc, char **argv) {
  // The file names are taken as they are: Qt sees none of our arguments, so a name that looks
  // like one of its own options stays a name.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  auto argument = [&](int i) { return i < argc ? DecodeFileName(argv[i]) : QString(); };

  TfrmDorix frmDorix;
  frmDorix.ChangeActualPFN(argument(1));
  frmDorix.SetActualCaption(frmDorix.ActualPFN());
  frmDorix.ChangeObsoletePFN(argument(2));
  frmDorix.SetObsoleteCaption(frmDorix.ObsoletePFN());
  frmDorix.show();
  return app.exec();
}
