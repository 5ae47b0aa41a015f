// The comparison run: what changed since the last run, reading both files, the engine, the
// statistics, the outcome, the viewer's new lines, and the progress and status texts.
#include "StatusPanels.h"
#include "UnitDorix.h"

#include "FileNames.h"
#include "FileText.h"
#include "WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QProgressBar>
#include <QTimer>

namespace {

constexpr qint64 kEventsEveryMs = 20; // how often intermediate progress lets the window respond

QString Text(TCompareStatus status) {
  const std::string_view text = StatusText(status);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The time since start as a time of day, hours to seconds.
QString Elapsed(const QTime &start) {
  const QTime elapsed = QTime(0, 0).addMSecs(start.msecsTo(QTime::currentTime()));
  QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
  return elapsed.toString(format.trimmed());
}

} // namespace

TRunInputs TfrmDorix::Requested() const {
  TRunInputs requested = FRequested;
  requested.Utf8 = ActiveEncoding() == TVEncoding::Utf8;
  return requested;
}

TVEncoding TfrmDorix::ActiveEncoding() const {
  if (FOEMMode)
    return TVEncoding::Dos866;
  if (FRequested.Encoding == TVEncoding::Auto)
    return FDetectedUtf8 ? TVEncoding::Utf8 : TVEncoding::Windows1251;
  return FRequested.Encoding;
}

bool TfrmDorix::NeedsUpdate() const {
  return !FUsed || Requested() != *FUsed || mm->LayoutWidthChanged();
}

bool TfrmDorix::Busy() const {
  return FRunning || mm->Building();
}

void TfrmDorix::CompareFiles() {
  if (Busy()) {
    // Never a run inside a run or a rebuild of the lines: both let events through, and a run
    // would clear the lines and the chunk list under them. This one follows when they end.
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
  const TRunInputs used = Requested();
  const bool full = !FUsed || used.NeedsComparisonAfter(*FUsed);
  FRunning = true;
  const std::exception_ptr failure = RunGuarded(used, full);
  FRunning = false;
  if (FForcePending) {
    FForcePending = false;
    FUsed.reset();
  }
  if (failure)
    ReportFailure(failure); // after the clean-up, as the toolkit's own handler would
  else
    UpdateStatus();
  if (FCancelled)
    return;
  if (FRerunWanted)
    QTimer::singleShot(0, this, &TfrmDorix::CompareFiles);
  else
    TakeWantedJump();
}

void TfrmDorix::RelayoutDone() {
  // A rebuild the viewer started by itself (after a size change) has ended: the commands that
  // came meanwhile are applied now.
  if (!FRunning && FRerunWanted && !FCancelled)
    QTimer::singleShot(0, this, &TfrmDorix::CompareFiles);
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
    ShowMessage(QStringLiteral("Out of memory"), {});
  } catch (const std::exception &e) {
    ShowMessage(QString::fromLocal8Bit(e.what()), {});
  } catch (...) {
    ShowMessage(QStringLiteral("Unknown failure"), {});
  }
}

std::exception_ptr TfrmDorix::RunGuarded(TRunInputs used, bool full) {
  std::exception_ptr failure;
  {
    TWaitCursor wait;
    try {
      if (full) {
        // No lines are built from a chunk list the engine is still filling.
        mm->BeginUpdate();
        struct Unlock {
          TVMemo *memo;
          ~Unlock() { memo->EndUpdate(); }
        } unlock{mm};
        ReadAndCompare(used);
        used.Utf8 = ActiveEncoding() == TVEncoding::Utf8; // the files decide the automatic choice
      }
      ShowPieces(used.Utf8, full);
      ApplyCodePage();
      mm->SetHexMode(used.HexMode);
      mm->SetWrapMode(used.WrapMode);
      mm->SetViewFilter(used.View);
      mm->Model().SetLfBreaks(LfBreaksFor(used.LineEnds, FLoneLineFeed));
      mm->Relayout();
    } catch (const TRunCancelled &) {
      // the window closed: nothing to report
    } catch (...) {
      failure = std::current_exception();
    }
    // Whatever happened: the bar goes, the inputs count as used, the status tells.
    ProgressBar1->hide();
    FUsed = used;
    UpdateStatus();
  }
  return failure;
}

void TfrmDorix::ShowPieces(bool utf8, bool fresh) {
  if (utf8 && (fresh || !FPieces))
    FPieces.emplace(FDiff);
  else if (!utf8)
    FPieces.reset();
  mm->SetSource(FPieces ? static_cast<const TVKindStringList *>(&*FPieces) : &FDiff);
  mm->Model().SetTextForm({utf8, FSettings.TabWidth});
}

void TfrmDorix::ReadAndCompare(const TRunInputs &used) {
  mm->Model().Clear();
  FPieces.reset(); // it views the texts the engine lets go
  FDiff.Clear();
  SetStatusText(spStatus, QStringLiteral("Загрузка ") + used.ActualPFN);
  ProcessPendingEvents(true);
  FStatus = csReadingActual;
  std::string actual, obsolete;
  if (!used.ActualPFN.isEmpty())
    actual = LoadFileText(used.ActualPFN);
  SetStatusText(spStatus, QStringLiteral("Загрузка ") + used.ObsoletePFN);
  ProcessPendingEvents(true);
  FStatus = csReadingObsolete;
  if (!used.ObsoletePFN.isEmpty())
    obsolete = LoadFileText(used.ObsoletePFN);

  FStartTime = QTime::currentTime();
  FLoneLineFeed = HasLoneLineFeed(actual) || HasLoneLineFeed(obsolete);
  FDetectedUtf8 = DetectEncoding(actual, obsolete, false) == TVEncoding::Utf8;
  const auto actualLength = static_cast<std::int32_t>(actual.size());
  const auto obsoleteLength = static_cast<std::int32_t>(obsolete.size());
  FDiff.Run(std::move(actual), std::move(obsolete));
  FillStatistics(actualLength, obsoleteLength);
  FStatus =
      DecideOutcome({!used.ActualPFN.isEmpty(), !used.ObsoletePFN.isEmpty(), actualLength == 0,
                     obsoleteLength == 0, FDiff.EqualChars, FDiff.FirstChars, FDiff.SecondChars});
}

void TfrmDorix::FillStatistics(std::int32_t actualLength, std::int32_t obsoleteLength) {
  FormDorixChart->FillNumbers(FDiff.EqualChars, FDiff.FirstChars, FDiff.SecondChars, actualLength,
                              obsoleteLength);
  FormDorixChart->FillPie(FDiff.EqualChars, FDiff.FirstChars, FDiff.SecondChars,
                          FSettings.StyleEqual, FSettings.StyleInserted, FSettings.StyleDeleted);
}

std::string TfrmDorix::LoadFileText(const QString &name) {
  ++FFileReads;
  const std::string bytes = EncodeFileName(name).toStdString();
  TFileText file;
  try {
    file = ::LoadFileText(bytes);
  } catch (const std::bad_alloc &) {
    ShowMessage(QStringLiteral("Out of memory"), name); // the run goes on with an empty text
    return {};
  }
  if (file.Ok())
    return std::move(file.Text);
  // The platform's words for the failure; the reason comes underneath.
  ShowMessage(DecodeFileName(QByteArray::fromStdString(LoadErrorTitle(bytes, file))),
              QString::fromLocal8Bit(file.Reason.c_str()));
  return {};
}

void TfrmDorix::DiffProgress(const void *sender, std::int32_t percent, TVProgressStage stage) {
  const bool engine = sender == &FDiff;
  switch (stage) {
  case psStart:
    if (engine) {
      ProgressBar1->setParent(StatusBar1);
      // Over the code page and layout panels.
      ProgressBar1->setGeometry(
          StatusBar1->PanelWidth(spMargin) + StatusBar1->PanelWidth(spWrap) + 2, 2,
          StatusBar1->PanelWidth(spCodePage) + StatusBar1->PanelWidth(spLayout),
          StatusBar1->height() - 3);
      ProgressBar1->setValue(0);
      ProgressBar1->show();
      SetStatusText(spStatus, QStringLiteral("Сравнение.."));
    } else {
      SetStatusText(spStatus, QStringLiteral("Разбиение.."));
    }
    break;
  case psStep:
    if (engine) {
      ProgressBar1->setValue(percent);
      SetStatusText(spWrap, Elapsed(FStartTime));
    } else {
      SetStatusText(spStatus, QStringLiteral("Разбиение.. %1%").arg(percent));
    }
    break;
  case psDone:
    if (engine)
      ProgressBar1->hide();
    UpdateStatus();
    break;
  }
  ProcessPendingEvents(stage != psStep);
}

void TfrmDorix::ProcessPendingEvents(bool always) {
  // Steps come once per block or chunk, which can be very often: letting the window respond
  // every few milliseconds keeps it as responsive at a fraction of the cost.
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (always || now - FLastEventsAt >= kEventsEveryMs) {
    FLastEventsAt = now;
    QApplication::processEvents();
  }
  if (FCancelled)
    throw TRunCancelled{};
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
