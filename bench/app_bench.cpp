// The whole program, offscreen: the main window compares two files and prints the time from
// the comparison command to all lines built, the longest stretch without processed events,
// peak memory against the two files' size, one painted frame of 1280 by 900 in the three
// layouts, and a wrap-mode resize drag.
//   app_bench NEW OLD      (bench/app.sh makes the pairs with make_pair)
#include "StatusPanels.h"
#include "UnitDorix.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double FrameMs(TfrmDorix &w) {
  QPixmap frame(w.mm->viewport()->size());
  w.mm->viewport()->render(&frame); // warm the glyph caches
  QElapsedTimer t;
  t.start();
  const int frames = 20;
  for (int i = 0; i < frames; ++i)
    w.mm->viewport()->render(&frame);
  return static_cast<double>(t.nsecsElapsed()) / 1e6 / frames;
}

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  if (argc != 3)
    return 2;
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  const QString first = QString::fromLocal8Bit(argv[1]), second = QString::fromLocal8Bit(argv[2]);
  const double megabytes =
      static_cast<double>(QFileInfo(first).size() + QFileInfo(second).size()) / (1 << 20);

  TfrmDorix w;
  w.ShowMessage = [](const QString &text, const QString &) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
  };
  w.resize(1280, 900);
  w.show();
  while (w.Status() == csNotRun)
    QApplication::processEvents();

  // The longest time the window went without its events processed during the run.
  QElapsedTimer clock;
  qint64 last = 0, longestGap = 0;
  QTimer pulse;
  pulse.setInterval(0);
  QObject::connect(&pulse, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longestGap = std::max(longestGap, now - last);
    last = now;
  });
  w.ChangeActualPFN(first);
  w.ChangeObsoletePFN(second);
  pulse.start();
  clock.start();
  w.StartupCompare(); // reads, compares and lays out before it returns
  const double compareMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  longestGap = std::max(longestGap, clock.nsecsElapsed() - last);
  pulse.stop();

  const double wrapFrame = FrameMs(w);
  w.ChangeWrapMode(false);
  const double plainFrame = FrameMs(w);
  w.ChangeHexMode(true);
  const double hexFrame = FrameMs(w);
  w.ChangeHexMode(false);
  w.ChangeWrapMode(true);

  // A drag: twenty sizes, one turn of the event loop each.
  QElapsedTimer drag;
  drag.start();
  qint64 longestTurn = 0;
  for (int i = 0; i < 20; ++i) {
    QElapsedTimer turn;
    turn.start();
    w.resize(1280 - 10 * i, 900);
    QApplication::processEvents();
    longestTurn = std::max(longestTurn, turn.nsecsElapsed());
  }
  const double dragMs = static_cast<double>(drag.nsecsElapsed()) / 1e6;

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf(
      "%.0f MB in all: compare %.0f ms, longest gap %.0f ms, peak %.0f MB (%.2fx input), "
      "frame plain %.2f wrap %.2f hex %.2f ms, drag %.0f ms (longest turn %.0f ms), %s\n",
      megabytes, compareMs, static_cast<double>(longestGap) / 1e6,
      static_cast<double>(usage.ru_maxrss) / 1024,
      static_cast<double>(usage.ru_maxrss) / 1024 / megabytes, plainFrame, wrapFrame, hexFrame,
      dragMs, static_cast<double>(longestTurn) / 1e6,
      qPrintable(w.StatusBar1 ? QString::fromUtf8(StatusText(w.Status()).data()) : QString()));
  return 0;
}
