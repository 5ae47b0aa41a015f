// The whole program, offscreen, on one pair: the main window compares and shows it, and each
// phase a person meets is measured with the event loop turning as it does for them.
//   app_bench NEW OLD      (bench/app.sh makes the pairs with make_pair)
// Given two folders (bench/folders.sh), the folder view's phases instead.
// Printed per phase: how long it took until the window was idle, and the longest stretch in
// which the window's events were not processed; then the longest turn of a resize drag in wrap
// mode, the time a stop takes to leave the window idle in each phase of a run, peak memory
// against the two files' size, and one painted frame in each layout.
#include "ComparedText.h"
#include "FolderView.h"
#include "SideBySide.h"
#include "StatusPanels.h"
#include "UnitDorix.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <sys/resource.h>
#include <vector>

namespace {

double Ms(qint64 ns) {
  return static_cast<double>(ns) / 1e6;
}

// Turns the event loop until the window is idle; returns the time that took and the longest
// stretch between two turns.
struct TPhase {
  double ms = 0, longestGapMs = 0;
};

TPhase Until(const std::function<void()> &start, const std::function<bool()> &done) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0, longest = 0;
  start();
  longest = clock.nsecsElapsed(); // the command itself, before the loop turns again
  last = clock.nsecsElapsed();
  while (!done()) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    last = now;
  }
  return {Ms(clock.nsecsElapsed()), Ms(longest)};
}

TPhase UntilIdle(TfrmDorix &w, const std::function<void()> &start) {
  return Until(start, [&] { return w.Idle(); });
}

// Two folders: the time until the state of every entry is known, then showing the identical
// entries and opening the first file that differs.
int FolderBench(TfrmDorix &w, const QString &first, const QString &second) {
  w.ChangeActualPFN(first);
  w.ChangeObsoletePFN(second);
  const TPhase compare = Until([&] { w.StartupCompare(); },
                               [&] { return w.FolderShown() && !w.FolderView->Running(); });
  const TPhase identical =
      Until([&] { w.FolderView->actHidden[fsnIdentical]->trigger(); }, [] { return true; });
  const TPhase open = UntilIdle(w, [&] { w.mmNextDiffFile->trigger(); });
  std::printf("  %zu entries: %s\n", w.FolderView->Result().Entries().size(),
              qPrintable(w.StatusBar1->Text(spStatus)));
  std::printf("  compare and show %.0f ms (longest gap %.0f ms); identical ones shown %.0f ms; "
              "first different file opened %.0f ms (longest gap %.0f ms)\n",
              compare.ms, compare.longestGapMs, identical.ms, open.ms, open.longestGapMs);
  return 0;
}

double FrameMs(TfrmDorix &w) {
  QPixmap frame(w.mm->viewport()->size());
  w.mm->viewport()->render(&frame); // warm the glyph caches
  QElapsedTimer t;
  t.start();
  const int frames = 20;
  for (int i = 0; i < frames; ++i)
    w.mm->viewport()->render(&frame);
  return Ms(t.nsecsElapsed()) / frames;
}

// Starts a refresh, waits until the status bar shows the phase, and times the stop from the
// request to an idle window.
double StopMs(TfrmDorix &w, const QString &phaseText) {
  w.StartupCompare();
  while (!w.StatusBar1->Text(spStatus).startsWith(phaseText) && !w.Idle())
    QApplication::processEvents(QEventLoop::AllEvents, 1);
  if (w.Idle())
    return -1; // the phase was over before it showed
  QElapsedTimer clock;
  clock.start();
  w.mmFileStop->trigger();
  while (!w.Idle())
    QApplication::processEvents();
  return Ms(clock.nsecsElapsed());
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
  if (QFileInfo(first).isDir() && QFileInfo(second).isDir())
    return FolderBench(w, first, second);

  w.ChangeActualPFN(first);
  w.ChangeObsoletePFN(second);
  const TPhase compare = UntilIdle(w, [&] { w.StartupCompare(); });
  const QString outcome = w.StatusBar1->Text(spStatus);

  // The readable pass alone, made again from the engine's pieces of the comparison shown.
  TComparisonChoices exact = w.Comparison()->Choices(), readable = exact;
  exact.Readable = exact.Moves = false;
  readable.Readable = true;
  readable.Moves = false;
  const auto engineOnly = w.Comparison()->WithChoices(exact);
  QElapsedTimer pass;
  pass.start();
  const auto remade = engineOnly->WithChoices(readable);
  const double passMs = Ms(pass.nsecsElapsed());
  const int pieces = remade->Pieces().Count(), enginePieces = engineOnly->Pieces().Count();
  // The moved-text pass alone, on those readable pieces (compare and show above included it).
  TComparisonChoices moves = readable;
  moves.Moves = true;
  QElapsedTimer movesTimer;
  movesTimer.start();
  const auto withMoves = remade->WithChoices(moves);
  const double movesMs = Ms(movesTimer.nsecsElapsed());

  // What looking past line ends, spaces and case costs: the compared forms of both files with all
  // four, and then the window comparing and showing the pair again with them.
  TFormOptions all;
  all.LineEnds = all.SpaceChange = all.AllSpace = all.Case = true;
  all.Utf8 = w.Comparison()->Encoding() == TVEncoding::Utf8;
  all.Page = CodePageOf(w.Comparison()->Encoding());
  // Side by side, as a comparison of large files builds them; the first time pays for memory
  // the process never touched before, the best of three is the work itself.
  std::vector<double> formsMs;
  for (int round = 0; round < 3; ++round) {
    std::optional<TComparedText> actual, obsolete;
    QElapsedTimer forms;
    forms.start();
    SideBySide(
        true, [&] { actual.emplace(w.Comparison()->Actual().Text(), all); },
        [&] { obsolete.emplace(w.Comparison()->Obsolete().Text(), all); });
    formsMs.push_back(Ms(forms.nsecsElapsed()));
  }
  const double formsBestMs = *std::min_element(formsMs.begin(), formsMs.end());
  const TPhase lookPast = UntilIdle(w, [&] { w.ChangeIgnore({true, true, true, true}); });
  const QString lookPastOutcome = w.StatusBar1->Text(spStatus);
  UntilIdle(w, [&] { w.ChangeIgnore({}); });

  // A drag: twenty sizes, one turn of the event loop each; then the lines settle.
  qint64 longestTurn = 0;
  std::vector<qint64> turns;
  QElapsedTimer drag;
  drag.start();
  for (int i = 0; i < 20; ++i) {
    QElapsedTimer turn;
    turn.start();
    w.resize(1280 - 10 * i, 900);
    QApplication::processEvents();
    longestTurn = std::max(longestTurn, turn.nsecsElapsed());
    turns.push_back(turn.nsecsElapsed());
  }
  const TPhase settle = UntilIdle(w, [] {});
  std::sort(turns.begin(), turns.end());
  const double dragMs = Ms(drag.nsecsElapsed());

  const double wrapFrame = FrameMs(w);
  const TPhase toPlain = UntilIdle(w, [&] { w.ChangeWrapMode(false); });
  const double plainFrame = FrameMs(w);
  const TPhase toHex = UntilIdle(w, [&] { w.ChangeHexMode(true); });
  const double hexFrame = FrameMs(w);
  UntilIdle(w, [&] { w.ChangeHexMode(false); });
  UntilIdle(w, [&] { w.ChangeWrapMode(true); });

  const double stopReading = StopMs(w, QStringLiteral("Загрузка"));
  const double stopComparing = StopMs(w, QStringLiteral("Сравнение.."));
  const double stopBuilding = StopMs(w, QStringLiteral("Разбиение"));

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double peak = static_cast<double>(usage.ru_maxrss) / 1024;
  std::printf("%.0f MB in all, %s\n", megabytes, qPrintable(outcome));
  std::printf("  compare and show %.0f ms (longest gap %.0f ms)\n", compare.ms,
              compare.longestGapMs);
  std::printf("  readable pass %.1f ms (%.1f%% of compare and show), %d pieces of the engine's "
              "%d\n",
              passMs, 100 * passMs / compare.ms, pieces, enginePieces);
  std::printf("  moved-text pass %.1f ms (%.1f%% of compare and show without it), %zu parts, "
              "%lld bytes moved\n",
              movesMs, 100 * movesMs / (compare.ms - movesMs), withMoves->Moves().size(),
              static_cast<long long>(MovedBytes(withMoves->Moves())));
  std::printf("  compared forms looking past all four, both side by side: %.0f ms the first "
              "time, %.0f ms at best (%.1f%% of compare and show); compare and show again with "
              "them %.0f ms (longest gap %.0f ms), %s\n",
              formsMs.front(), formsBestMs, 100 * formsBestMs / compare.ms, lookPast.ms,
              lookPast.longestGapMs, qPrintable(lookPastOutcome));
  std::printf("  drag of 20 sizes: turns %.1f ms median, %.1f ms longest; %.0f ms until settled "
              "(longest gap %.0f ms)\n",
              Ms(turns[turns.size() / 2]), Ms(longestTurn), dragMs, settle.longestGapMs);
  std::printf("  wrap to plain %.0f ms (gap %.0f ms), plain to hex %.0f ms (gap %.0f ms)\n",
              toPlain.ms, toPlain.longestGapMs, toHex.ms, toHex.longestGapMs);
  std::printf("  stop to idle: reading %.1f ms, comparing %.1f ms, building lines %.1f ms\n",
              stopReading, stopComparing, stopBuilding);
  std::printf("  peak %.0f MB (%.2fx input), frame plain %.2f wrap %.2f hex %.2f ms\n", peak,
              peak / megabytes, plainFrame, wrapFrame, hexFrame);
  return 0;
}
