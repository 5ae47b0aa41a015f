// The comparison run: what changed since the last run, reading both files, the engine, the
// statistics, the outcome, the viewer's new lines, and the progress and status texts.
#include "FileChangeBar.h"
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

} // namespace

namespace {

// Below this much text in both files a comparison takes a few milliseconds: it runs at once, in
// place, and the window shows its outcome in the same turn.
constexpr qint64 kCompareInPlaceBytes = qint64{1} << 20;
constexpr int kProgressEveryMs = 40; // how often the status bar shows how far the work is

qint64 FileBytes(const QString &name) {
  return name.isEmpty() ? 0 : QFileInfo(name).size();
}

} // namespace

TRunInputs TfrmDorix::Requested() const {
  TRunInputs requested = FRequested;
  requested.Utf8 = ActiveEncoding() == TVEncoding::Utf8;
  return requested;
}

TVEncoding TfrmDorix::ActiveEncoding() const {
  return EncodingInForce(FRequested.Encoding, FOEMMode, FDetectedUtf8);
}

bool TfrmDorix::NeedsUpdate() const {
  return !FUsed || Requested() != *FUsed || mm->LayoutWidthChanged();
}

bool TfrmDorix::Busy() const {
  return FRunning || mm->Building() || mm->TextWorkRunning();
}

void TfrmDorix::CompareFiles() {
  if (Busy()) {
    // Never a run inside a run or a rebuild of the lines: a run would replace the chunk list
    // the lines are built from. This one follows when they end.
    FRerunWanted = true;
    return;
  }
  FRerunWanted = false;
  if (FCreating || !NeedsUpdate()) {
    UpdateStatus();
    TakeWantedJump();
    return;
  }
  // The inputs this run uses; commands that arrive meanwhile change only the requested ones.
  FRunUsed = Requested();
  const bool full = !FUsed || FRunUsed.NeedsComparisonAfter(*FUsed);
  FRunning = true;
  ShowBusy();
  if (full)
    StartComparison();
  else
    ShowRun();
}

void TfrmDorix::StartComparison() {
  auto job = std::make_shared<TComparisonJob>();
  job->ActualName = EncodeFileName(FRunUsed.ActualPFN).toStdString();
  job->ObsoleteName = EncodeFileName(FRunUsed.ObsoletePFN).toStdString();
  job->Encoding = FRequested.Encoding;
  job->OemMode = FOEMMode;
  job->FirstKind = FStyleIndexInserted;
  job->SecondKind = FStyleIndexDeleted;
  job->OnPhase = OnWorkPhase;
  FFileReads += !job->ActualName.empty() + !job->ObsoleteName.empty();
  ChangeBar->Watch({FRunUsed.ActualPFN, FRunUsed.ObsoletePFN});
  DisposeShownText(); // the viewer is empty while the files are compared
  FStartTime = QTime::currentTime();
  FJob = job;
  if (FileBytes(FRunUsed.ActualPFN) + FileBytes(FRunUsed.ObsoletePFN) <= kCompareInPlaceBytes) {
    std::exception_ptr failure;
    try {
      job->Run({});
    } catch (...) {
      failure = std::current_exception();
    }
    ComparisonDone(failure);
    return;
  }
  FRunTask.Start([job](std::stop_token stop) { job->Run(stop); },
                 [this](std::exception_ptr failure) { ComparisonDone(failure); });
}

void TfrmDorix::DisposeShownText() {
  // Freeing the texts and lines of a gigabyte pair takes a while: a thread of its own does it.
  auto lines = std::make_shared<TVLineModel>();
  lines->TakeLines(std::move(mm->Model()));
  mm->SetSource(nullptr);
  mm->UpdateScrollBars();
  mm->viewport()->update();
  FJanitor.Dispose(std::move(lines));
  FJanitor.Dispose(std::shared_ptr<TVCharacterPieces>(std::move(FPieces))); // views the texts
  FJanitor.Dispose(std::shared_ptr<TVDiff>(std::move(FDiff)));
  FDiff = std::make_unique<TVDiff>();
}

void TfrmDorix::ComparisonDone(std::exception_ptr failure) {
  const std::shared_ptr<TComparisonJob> job = std::exchange(FJob, nullptr);
  for (const TComparisonJob::TLoadFailure &f : job->Failures) {
    const QString name = DecodeFileName(QByteArray::fromStdString(f.Name));
    if (f.OutOfMemory)
      ShowMessage(OutOfMemoryText(), name);
    else // what failed, with the system's reason underneath
      ShowMessage(LoadFailureTitle(name, f.Status), LoadFailureReason(f.Status));
  }
  if (failure) {
    EndRun(failure);
    return;
  }
  FDiff = std::move(job->Diff);
  FPieces = std::move(job->Pieces);
  FLoneLineFeed = job->LoneLineFeed;
  FDetectedUtf8 = job->DetectedUtf8;
  FillStatistics(job->ActualLength, job->ObsoleteLength);
  FStatus = DecideOutcome({!FRunUsed.ActualPFN.isEmpty(), !FRunUsed.ObsoletePFN.isEmpty(),
                           job->ActualLength == 0, job->ObsoleteLength == 0, FDiff->EqualChars,
                           FDiff->FirstChars, FDiff->SecondChars});
  FRunUsed.Utf8 = ActiveEncoding() == TVEncoding::Utf8; // the files decide the automatic choice
  if (job->Failures.empty())
    RememberPair();
  ShowRun();
}

void TfrmDorix::ShowRun() {
  try {
    ShowPieces(FRunUsed.Utf8);
    ApplyCodePage();
    mm->SetHexMode(FRunUsed.HexMode);
    mm->SetWrapMode(FRunUsed.WrapMode);
    mm->SetViewFilter(FRunUsed.View);
    mm->Model().SetLfBreaks(LfBreaksFor(FRunUsed.LineEnds, FLoneLineFeed));
    FAwaitingLines = true;
    mm->Relayout(); // ends the run through RelayoutDone, now or when the lines are built
  } catch (...) {
    FAwaitingLines = false;
    EndRun(std::current_exception());
    return;
  }
  if (FAwaitingLines && !mm->Building()) { // nothing was laid out
    FAwaitingLines = false;
    EndRun(nullptr);
  }
}

void TfrmDorix::RelayoutDone() {
  const std::exception_ptr failure = mm->TakeBuildFailure();
  if (std::exchange(FAwaitingLines, false)) {
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
  if (FRerunWanted && !FClosing)
    QTimer::singleShot(0, this, &TfrmDorix::CompareFiles);
}

void TfrmDorix::EndRun(std::exception_ptr failure) {
  // Whatever happened: the inputs count as used, the busy signs go, the status tells.
  FRunning = false;
  FUsed = FRunUsed;
  if (std::exchange(FForcePending, false))
    FUsed.reset();
  ShowBusy();
  UpdateStatus();
  if (failure)
    ReportFailure(failure); // after the clean-up, as the toolkit's own handler would
  if (FClosing)
    return;
  if (FRerunWanted)
    QTimer::singleShot(0, this, &TfrmDorix::CompareFiles);
  else
    TakeWantedJump();
}

void TfrmDorix::StopRun() {
  if (!Busy())
    return;
  if (!FRunning && !mm->Building()) { // a search or a copy: the text stays as it is
    mm->StopTextWork();
    return;
  }
  FRunTask.Stop();
  FJob.reset();
  mm->StopTextWork();
  mm->StopBuilding();
  // Nothing of the stopped run is shown or counted, and nothing that waited for it follows.
  FRunning = FAwaitingLines = FRerunWanted = FForcePending = FJumpWanted = false;
  DisposeShownText();
  FUsed.reset(); // the next command compares afresh
  FStatus = csStopped;
  FormDorixChart->ClearFigures();
  ShowBusy();
  UpdateStatus();
}

void TfrmDorix::GoToFirstDiffIfSimilar() {
  FJumpWanted = true;
  if (!Busy() && !FRerunWanted)
    TakeWantedJump();
}

void TfrmDorix::TakeWantedJump() {
  if (!FJumpWanted)
    return;
  FJumpWanted = false;
  if (FStatus == csSimilar)
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

void TfrmDorix::ShowPieces(bool utf8) {
  // A comparison drops the pieces of the one before, and makes its own under UTF-8.
  if (utf8 && !FPieces)
    FPieces = std::make_unique<TVCharacterPieces>(*FDiff);
  else if (!utf8)
    FPieces.reset();
  mm->SetSource(FPieces ? static_cast<const TVKindStringList *>(FPieces.get()) : FDiff.get());
  mm->Model().SetTextForm({utf8, FSettings.TabWidth});
}

void TfrmDorix::FillStatistics(std::int32_t actualLength, std::int32_t obsoleteLength) {
  FormDorixChart->FillNumbers(FDiff->EqualChars, FDiff->FirstChars, FDiff->SecondChars,
                              actualLength, obsoleteLength);
  FormDorixChart->FillPie(FDiff->EqualChars, FDiff->FirstChars, FDiff->SecondChars,
                          FSettings.StyleEqual, FSettings.StyleInserted, FSettings.StyleDeleted);
}

void TfrmDorix::ShowBusy() {
  const bool busy = Busy();
  mmFileStop->setEnabled(busy);
  if (!busy) {
    FProgressTimer.stop();
    FShownPhase = jpWaiting;
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
  const int phase = FJob ? FJob->Phase.load() : jpDone;
  if (phase != FShownPhase) {
    FShownPhase = phase;
    if (phase == jpReadingActual || phase == jpReadingObsolete) {
      FStatus = phase == jpReadingActual ? csReadingActual : csReadingObsolete;
      SetStatusText(spStatus,
                    QCoreApplication::translate("Dorix", "Загрузка ") +
                        (phase == jpReadingActual ? FRunUsed.ActualPFN : FRunUsed.ObsoletePFN));
    } else if (phase == jpComparing) {
      ProgressBar1->setValue(0);
      ProgressBar1->show();
      SetStatusText(spStatus, QCoreApplication::translate("Dorix", "Сравнение.."));
    } else {
      ProgressBar1->hide();
    }
  }
  if (phase == jpComparing) {
    ProgressBar1->setValue(FJob->Percent);
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

void TfrmDorix::UpdateStatus() {
  SetStatusText(spWrap, FRequested.WrapMode ? QStringLiteral("Wrap") : QStringLiteral("UnWrap"));
  mmFormatWrap->setChecked(FRequested.WrapMode);
  static const QString names[] = {{},
                                  QStringLiteral("UTF-8"),
                                  QStringLiteral("WIN"),
                                  QStringLiteral("DOS"),
                                  QStringLiteral("KOI8")};
  SetStatusText(spCodePage, names[static_cast<int>(ActiveEncoding())]);
  mmFormatDOS->setChecked(FOEMMode);
  QAction *const encodings[] = {mmEncodingAuto, mmEncodingUtf8, mmEncodingWindows, mmEncodingDos,
                                mmEncodingKoi8};
  // Radio items: checking one unchecks the others.
  encodings[static_cast<int>(FOEMMode ? TVEncoding::Dos866 : FRequested.Encoding)]->setChecked(
      true);
  SetStatusText(spLayout, FRequested.HexMode ? QStringLiteral("Hex") : QStringLiteral("Text"));
  mmFormatHex->setChecked(FRequested.HexMode);
  SetStatusText(spLineEnds,
                mm->Model().LfBreaks() ? QStringLiteral("LF") : QStringLiteral("CR LF"));
  QAction *const lineEnds[] = {mmLineEndsAuto, mmLineEndsCR, mmLineEndsLF};
  lineEnds[FRequested.LineEnds]->setChecked(true);
  SetStatusText(spStatus, Text(FStatus));
}
