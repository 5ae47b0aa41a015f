// Run as a child process by the tests: the main window compares two files under a memory limit
// that lets them be read but not laid out. Exit 0 when the run failed the way it must: the
// failure's message shown, the progress bar gone, the status refreshed, the cursor restored.
#include "StatusPanels.h"
#include "UnitDorix.h"

#include <QApplication>
#include <QProgressBar>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long VirtualBytes() {
  long pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  return pages * ::sysconf(_SC_PAGESIZE);
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 3)
    return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  TfrmDorix w;
  QStringList messages;
  w.ShowMessage = [&](const QString &text, const QString &) { messages << text; };
  w.show();
  if (!QTest::qWaitFor([&] { return w.Status() != csNotRun; }))
    return 3;

  const long fileBytes = 2 * 64L << 20;
  const rlimit limit{static_cast<rlim_t>(VirtualBytes() + fileBytes + (48L << 20)), RLIM_INFINITY};
  ::setrlimit(RLIMIT_AS, &limit);
  w.ChangeActualPFN(QString::fromLocal8Bit(argv[1]));
  w.ChangeObsoletePFN(QString::fromLocal8Bit(argv[2]));
  w.StartupCompare();
  if (!QTest::qWaitFor([&] { return w.Idle(); }, 60'000))
    return 4;

  const bool reported = messages.contains(QStringLiteral("Недостаточно памяти"));
  const bool cleanedUp =
      !w.ProgressBar1->isVisible() && QGuiApplication::overrideCursor() == nullptr;
  const bool statusShown =
      w.StatusBar1->Text(spStatus) == QString::fromUtf8(StatusText(w.Status()).data());
  std::printf("messages: %s\n", qPrintable(messages.join(" | ")));
  std::printf("reported %d, cleaned up %d, status shown %d\n", reported, cleanedUp, statusShown);
  return reported && cleanedUp && statusShown ? 0 : 1;
}
