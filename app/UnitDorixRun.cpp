// The comparison run: what changed since the last run, reading both files, the engine, the
// statistics, the outcome, the viewer's new lines, and the progress and status texts.
#include "FileChangeBar.h"
#include "FolderView.h"
#include "FormOnlyBar.h"
#include "StatusPanels.h"
#include "UnitDorix.h"

#include "FileNames.h"
#include "FileText.h"
#include "SystemMessages.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

namespace {

// Shown for what the files decide until they have been looked at.
QString Unknown() {
  return QStringLiteral("\u2026");
}

QString Text(TCompareStatus status) {
  return QCoreApplication::translate("Dorix", StatusText(status).data()); // one of its literals
}

// The time since start as a time of day, hours to seconds.
QString Elapsed(const QTime &start) {
  const QTime elapsed = QTime(0, 0).addMSecs(start.msecsTo(QTime::currentTime()));
  QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
  return elapsed.toString(format.trimmed());
}

// Below this much text in both files a comparison takes a few milliseconds: it runs at once, in
// place, and the window shows its outcome in the same turn.
constexpr qint64 kCompareInPlaceBytes = qint64{1} << 20;
constexpr int kProgressEveryMs = 40; // how often the status bar shows how far the work is

qint64 FileBytes(const QString &name) {
  return name.isEmpty() ? 0 : QFileInfo(name).size();
}

} // namespace

// One piece of the run's work on the comparison's thread: the files read and compared, or the
// pieces of the comparison shown made again for other choices. It shares nothing the window
// changes: it reads what it was given and hands back a new comparison.
struct TfrmDorix::TRunJob {
  std::function<std::shared_ptr<const TComparison>(const std::stop_token &, TComparisonProgress &)>
      Work;
  bool Reads = false; // the files are read: what failed is told, and they count as compared
  TComparisonProgress Progress;
  std::shared_ptr<const TComparison> Result; // null after a stop
};

TRunInputs TfrmDorix::Requested() const {
  TRunInputs requested = FRequested;
  requested.Utf8 = ActiveEncoding() == TVEncoding::Utf8;
  return requested;
}

TVEncoding TfrmDorix::ActiveEncoding() const {
  return EncodingInForce(FRequested.Choices.Encoding, FRequested.Choices.OemMode,
                         FComparison && FComparison->Facts().Utf8);
}

bool TfrmDorix::NeedsUpdate() const {
  return !FUsed || Requested() != *FUsed || mm->LayoutWidthChanged();
}

bool TfrmDorix::Busy() const {
  return FRun.Running() || mm->Building() || mm->TextWorkRunning();
}

void TfrmDorix::CompareFiles() {
  if (FRun.Closed())
    return;
  if (Busy()) {
    // Never a run inside a run or a rebuild of the lines: a run would replace the chunk list
    // the lines are built from. This one follows when they end.
    FRun.Want(rwCompare);
    return;
  }
  FRun.Take(rwCompare);
  if (!FRun.Creating() && FolderPairRequested()) {
    ShowFolders(!FUsed);
    FUsed = FRequested; // another pair, a file one too, is read afresh
    TakeWantedJump();
    return;
  }
  if (FolderShown())
    ShowFolderPanes(false);
  if (FRun.Creating() || FRun.Phase() == TRunPhase::Shown || !NeedsUpdate()) {
    UpdateStatus();
    TakeWantedJump();
    return;
  }
  // The inputs this run uses; commands that arrive meanwhile change only the requested ones.
  FRunUsed = Requested();
  FRun.Begin();
  ShowBusy();
  if (!FUsed || !FComparison || FRunUsed.NeedsComparisonAfter(*FUsed))
    StartComparison();
  else if (FComparison->Choices() != FRunUsed.Choices)
    StartDerivation();
  else
    ShowRun();
}

void TfrmDorix::StartComparison() {
  auto job = std::make_shared<TRunJob>();
  const TComparisonFiles files{EncodeFileName(FRunUsed.ActualPFN).toStdString(),
                               EncodeFileName(FRunUsed.ObsoletePFN).toStdString(), TReadMode::Copy};
  job->Work = [files, choices = FRunUsed.Choices](const std::stop_token &stop,
                                                  TComparisonProgress &progress) {
    return TComparison::Run(files, choices, stop, &progress);
  };
  job->Reads = true;
  job->Progress.OnPhase = OnWorkPhase;
  FFileReads += !files.ActualName.empty() + !files.ObsoleteName.empty();
  ChangeBar->Watch({FRunUsed.ActualPFN, FRunUsed.ObsoletePFN});
  DisposeShownText(); // the viewer is empty while the files are compared
  UpdateStatus();     // ... and what they decide is not known yet
  StartJob(job, FileBytes(FRunUsed.ActualPFN) + FileBytes(FRunUsed.ObsoletePFN));
}

void TfrmDorix::StartDerivation() {
  auto job = std::make_shared<TRunJob>();
  job->Work = [before = FComparison, choices = FRunUsed.Choices](const std::stop_token &stop,
                                                                 TComparisonProgress &progress) {
    return before->WithChoices(choices, stop, &progress);
  };
  StartJob(job, static_cast<qint64>(FComparison->Actual().Text().size() +
                                    FComparison->Obsolete().Text().size()));
}

void TfrmDorix::StartJob(std::shared_ptr<TRunJob> job, qint64 bytes) {
  FJob = job;
  const auto work = [job](const std::stop_token &stop) {
    job->Result = job->Work(stop, job->Progress);
  };
  if (bytes <= kCompareInPlaceBytes) {
    std::exception_ptr failure;
    try {
      work({});
    } catch (...) {
      failure = std::current_exception();
    }
    ComparisonDone(job, failure);
    return;
  }
  FRunTask.Start(work, [this, job](std::exception_ptr failure) { ComparisonDone(job, failure); });
}

void TfrmDorix::DisposeShownText() {
  // Freeing the texts and lines of a gigabyte pair takes a while: a thread of its own does it.
  auto lines = std::make_shared<TVLineModel>();
  lines->TakeLines(std::move(mm->Model()));
  mm->SetSource(nullptr);
  mm->UpdateScrollBars();
  mm->viewport()->update();
  FJanitor.Dispose(std::move(lines));
  FJanitor.Dispose(std::exchange(FComparison, nullptr));
}

void TfrmDorix::ComparisonDone(const std::shared_ptr<TRunJob> &job, std::exception_ptr failure) {
  FJob.reset();
  if (job->Result && job->Reads)
    ReportReadFailures(*job->Result);
  if (failure || !job->Result) {
    EndRun(failure);
    return;
  }
  if (job->Reads && !job->Result->Actual().Failed() && !job->Result->Obsolete().Failed())
    RememberPair(FRunUsed.ActualPFN, FRunUsed.ObsoletePFN);
  FJanitor.Dispose(std::exchange(FComparison, job->Result));
  FStatus = FComparison->Outcome();
  FillStatistics();
  FRunUsed.Utf8 = ActiveEncoding() == TVEncoding::Utf8; // the files decide the automatic choice
  ShowRun();
}

void TfrmDorix::ReportReadFailures(const TComparison &comparison) {
  for (const TComparedFile *file : {&comparison.Actual(), &comparison.Obsolete()}) {
    if (!file->Failed())
      continue;
    const QString name = DecodeFileName(QByteArray::fromStdString(file->Name()));
    if (file->OutOfMemory())
      ShowMessage(OutOfMemoryText(), name);
    else // what failed, with the system's reason underneath
      ShowMessage(LoadFailureTitle(name, file->Status()), LoadFailureReason(file->Status()));
  }
}

void TfrmDorix::ShowRun() {
  ApplyCodePage();
  const bool samePieces =
      FComparison && mm->Model().SharedSource().get() == &FComparison->Pieces(FRunUsed.View);
  if (samePieces && FUsed && FRunUsed.SameLinesAs(*FUsed) && !mm->LayoutWidthChanged()) {
    EndRun(nullptr); // other choices with the same pieces: only the drawing changes
    return;
  }
  try {
    if (!samePieces)
      mm->SetSource(FComparison ? FComparison->SharedPieces(FRunUsed.View) : nullptr);
    mm->Model().SetTextForm({FRunUsed.Utf8, FSettings.TabWidth});
    mm->SetHexMode(FRunUsed.HexMode);
    mm->SetWrapMode(FRunUsed.WrapMode);
    mm->SetViewFilter(FRunUsed.View);
    mm->Model().SetLfBreaks(
        LfBreaksFor(FRunUsed.LineEnds, FComparison && FComparison->Facts().LoneLineFeed));
    FRun.AwaitLines();
    mm->Relayout(); // ends the run through RelayoutDone, now or when the lines are built
  } catch (...) {
    EndRun(std::current_exception());
    return;
  }
  if (FRun.Phase() == TRunPhase::Laying && !mm->Building()) // nothing was laid out
    EndRun(nullptr);
}

void TfrmDorix::RelayoutDone() {
  const std::exception_ptr failure = mm->TakeBuildFailure();
  if (FRun.Phase() == TRunPhase::Laying) {
    EndRun(failure);
    return;
  }
  // A rebuild the viewer started by itself (after a size change) has ended.
  if (failure)
    ReportFailure(failure);
  BusyChanged();
}

void TfrmDorix::BusyChanged() {
  // When nothing runs any more, the commands that came meanwhile are applied.
  ShowBusy();
  if (Busy())
    return;
  UpdateStatus();
  if (FRun.Wants(rwCompare) && !FRun.Closed())
    QTimer::singleShot(0, this, &TfrmDorix::CompareFiles);
}

void TfrmDorix::EndRun(std::exception_ptr failure) {
  // Whatever happened: the inputs count as used, the busy signs go, the status tells.
  FRun.End();
  FUsed = FRunUsed;
  if (FRun.Take(rwReadAfresh))
    FUsed.reset();
  ShowBusy();
  UpdateStatus();
  if (failure)
    ReportFailure(failure); // after the clean-up, as the toolkit's own handler would
  if (FRun.Closed())
    return;
  if (FRun.Wants(rwCompare))
    QTimer::singleShot(0, this, &TfrmDorix::CompareFiles);
  else
    TakeWantedJump();
}

void TfrmDorix::StopRun() {
  FolderView->Stop();
  if (!Busy())
    return;
  if (!FRun.Running() && !mm->Building()) { // a search or a copy: the text stays as it is
    mm->StopTextWork();
    return;
  }
  FRunTask.Stop();
  FJob.reset();
  mm->StopTextWork();
  mm->StopBuilding();
  // Nothing of the stopped run is shown or counted, and nothing that waited for it follows.
  FRun.End();
  FRun.ForgetWishes();
  DisposeShownText();
  FUsed.reset(); // the next command compares afresh
  FStatus = csStopped;
  FormDorixChart->ClearFigures();
  ShowBusy();
  UpdateStatus();
}

void TfrmDorix::GoToFirstDiffIfSimilar() {
  FRun.Want(rwJump);
  if (!Busy() && !FRun.Wants(rwCompare))
    TakeWantedJump();
}

void TfrmDorix::TakeWantedJump() {
  if (FRun.Take(rwJump) && FStatus == csSimilar)
    mm->GoToFirstDiff();
}

void TfrmDorix::ReportFailure(const std::exception_ptr &failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::bad_alloc &) {
    ShowMessage(OutOfMemoryText(), {});
  } catch (const std::exception &e) {
    ShowMessage(QString::fromLocal8Bit(e.what()), {});
  } catch (...) {
    ShowMessage(QCoreApplication::translate("Dorix", "Неизвестная ошибка"), {});
  }
}

void TfrmDorix::FillStatistics() {
  const TVPieceCounts &c = FComparison->Counts();
  const auto actual = static_cast<std::int32_t>(FComparison->Actual().Text().size()),
             obsolete = static_cast<std::int32_t>(FComparison->Obsolete().Text().size());
  // The shared text counts each file's own bytes, which differ where something was looked past.
  std::optional<TLookedPastFigures> lookedPast;
  if (FComparison->Choices().Ignore.Any())
    lookedPast = TLookedPastFigures{obsolete - c.SecondChars, c.IgnoredChars};
  std::optional<std::int32_t> moved;
  if (FComparison->Choices().Moves)
    moved = static_cast<std::int32_t>(MovedBytes(FComparison->Moves()));
  FormDorixChart->FillNumbers(c.EqualChars, c.FirstChars, c.SecondChars, actual, obsolete,
                              lookedPast, moved);
  const TStyleSet &styles = Styles();
  FormDorixChart->FillPie(c.EqualChars, c.FirstChars, c.SecondChars, styles.Equal, styles.Inserted,
                          styles.Deleted);
}

void TfrmDorix::ShowBusy() {
  const bool busy = Busy();
  mmFileStop->setEnabled(busy);
  if (!busy) {
    FProgressTimer.stop();
    FShownPhase = cpWaiting;
    ProgressBar1->hide();
    btnStop->hide();
    return;
  }
  // Over the code page and layout panels: the bar, and the stop button at its end.
  const int x = StatusBar1->PanelWidth(spMargin) + StatusBar1->PanelWidth(spWrap) + 2;
  const int height = StatusBar1->height() - 3;
  const int button = height + 2;
  const int width =
      StatusBar1->PanelWidth(spCodePage) + StatusBar1->PanelWidth(spLayout) - button - 2;
  ProgressBar1->setParent(StatusBar1);
  ProgressBar1->setGeometry(x, 2, width, height);
  btnStop->setParent(StatusBar1);
  btnStop->setGeometry(x + width + 2, 1, button, button);
  btnStop->show();
  btnStop->raise();
  if (!FProgressTimer.isActive())
    FProgressTimer.start(kProgressEveryMs);
  ShowProgress();
}

void TfrmDorix::ShowProgress() {
  const int phase = FJob ? FJob->Progress.Phase.load() : cpDone;
  if (phase != FShownPhase) {
    FShownPhase = phase;
    if (phase == cpReadingActual || phase == cpReadingObsolete) {
      FStatus = phase == cpReadingActual ? csReadingActual : csReadingObsolete;
      SetStatusText(spStatus,
                    QCoreApplication::translate("Dorix", "Загрузка ") +
                        (phase == cpReadingActual ? FRunUsed.ActualPFN : FRunUsed.ObsoletePFN));
    } else if (phase == cpComparing) {
      FStartTime = QTime::currentTime(); // the files are loaded: the engine's time begins
      ProgressBar1->setValue(0);
      ProgressBar1->show();
      SetStatusText(spStatus, QCoreApplication::translate("Dorix", "Сравнение.."));
    } else {
      ProgressBar1->hide();
      SetStatusText(spWrap, WrapText()); // the elapsed time is the engine's only
    }
  }
  if (phase == cpComparing) {
    ProgressBar1->setValue(FJob->Progress.Percent);
    SetStatusText(spWrap, Elapsed(FStartTime));
  } else if (mm->Building()) {
    SetStatusText(spStatus,
                  QCoreApplication::translate("Dorix", "Разбиение.. %1%").arg(mm->BuildPercent()));
  } else if (mm->TextWorkRunning()) {
    SetStatusText(spStatus, mm->TextWorkTitle());
  }
}

void TfrmDorix::SetStatusText(int panel, const QString &text) {
  StatusBar1->SetText(panel, text);
}

QString TfrmDorix::WrapText() const {
  return FRequested.WrapMode ? QStringLiteral("Wrap") : QStringLiteral("UnWrap");
}

// The encoding and the line ends in force, or "…" while the files that decide the automatic
// choice are still being looked at.
QString TfrmDorix::EncodingText() const {
  const TComparisonChoices &c = FRequested.Choices;
  if (!FComparison && c.Encoding == TVEncoding::Auto && !c.OemMode)
    return Unknown();
  static const QString names[] = {{},
                                  QStringLiteral("UTF-8"),
                                  QStringLiteral("WIN"),
                                  QStringLiteral("DOS"),
                                  QStringLiteral("KOI8")};
  return names[static_cast<int>(ActiveEncoding())];
}

QString TfrmDorix::LineEndsText() const {
  if (!FComparison && FRequested.LineEnds == leAuto)
    return Unknown();
  return LfBreaksFor(FRequested.LineEnds, FComparison && FComparison->Facts().LoneLineFeed)
             ? QStringLiteral("LF")
             : QStringLiteral("CR LF");
}

void TfrmDorix::UpdateStatus() {
  SetStatusText(spWrap, WrapText());
  mmFormatWrap->setChecked(FRequested.WrapMode);
  SetStatusText(spCodePage, EncodingText());
  mmFormatDOS->setChecked(FRequested.Choices.OemMode);
  QAction *const encodings[] = {mmEncodingAuto, mmEncodingUtf8, mmEncodingWindows, mmEncodingDos,
                                mmEncodingKoi8};
  // Radio items: checking one unchecks the others.
  encodings[static_cast<int>(FRequested.Choices.OemMode ? TVEncoding::Dos866
                                                        : FRequested.Choices.Encoding)]
      ->setChecked(true);
  SetStatusText(spLayout, FRequested.HexMode ? QStringLiteral("Hex") : QStringLiteral("Text"));
  mmFormatHex->setChecked(FRequested.HexMode);
  mmFormatReadable->setChecked(FRequested.Choices.Readable);
  mmFormatMoves->setChecked(FRequested.Choices.Moves);
  SetStatusText(spLineEnds, LineEndsText());
  QAction *const lineEnds[] = {mmLineEndsAuto, mmLineEndsCR, mmLineEndsLF};
  lineEnds[FRequested.LineEnds]->setChecked(true);
  const TIgnoreChoices &ignore = FRequested.Choices.Ignore;
  mmIgnoreLineEnds->setChecked(ignore.LineEnds);
  mmIgnoreSpaceChange->setChecked(ignore.SpaceChange);
  mmIgnoreAllSpace->setChecked(ignore.AllSpace);
  mmIgnoreCase->setChecked(ignore.Case);
  // What the comparison looks past is never hidden: the panel names it.
  SetStatusText(spIgnored, ignore.Any() ? QStringLiteral("\u2248") : QString());
  StatusBar1->SetShown(spIgnored, ignore.Any());
  StatusBar1->SetToolTip(spIgnored, IgnoredToolTip());
  if (FolderShown()) {
    SetStatusText(spStatus, FolderView->CountsText());
    return;
  }
  SetStatusText(spStatus, Text(FStatus));
  FormOnlyBar->Show(FStatus, Text(FStatus), ignore);
}

QString TfrmDorix::IgnoredToolTip() const {
  const TIgnoreChoices &ignore = FRequested.Choices.Ignore;
  QStringList names;
  const std::pair<bool, const char *> options[] = {
      {ignore.LineEnds, QT_TRANSLATE_NOOP("Dorix", "концы строк")},
      {ignore.SpaceChange && !ignore.AllSpace, QT_TRANSLATE_NOOP("Dorix", "число пробелов")},
      {ignore.AllSpace, QT_TRANSLATE_NOOP("Dorix", "пробелы")},
      {ignore.Case, QT_TRANSLATE_NOOP("Dorix", "регистр букв")}};
  for (const auto &[on, name] : options)
    if (on)
      names << QCoreApplication::translate("Dorix", name);
  if (names.isEmpty())
    return {};
  return QCoreApplication::translate("Dorix", "Сравнение не различает: %1")
      .arg(names.join(QStringLiteral(", ")));
}
