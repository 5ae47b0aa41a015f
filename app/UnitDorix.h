// The main window: it owns the engine, the viewer, the statistics window and the fonts and
// glyphs of the difference kinds, and turns every command into a change of the requested
// inputs followed by CompareFiles, which decides between a comparison, a new layout or nothing.
#pragma once

#include "BackgroundTask.h"
#include "CompareStatus.h"
#include "Comparison.h"
#include "Disposer.h"
#include "FormDorixChartUnit.h"
#include "HtmlPage.h"
#include "PlatformServices.h"
#include "RecentPairs.h"
#include "RunInputs.h"
#include "RunState.h"
#include "Settings.h"
#include "VMemo.h"

#include <QImage>
#include <QMainWindow>
#include <QTime>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QFrame;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabBar;
class TFileChangeBar;
class TFolderView;
class TFormOnlyBar;
class QToolBar;
class QToolButton;
class TStatusPanels;

// The status bar's panels, left to right.
enum TStatusPanel : int {
  spMargin = 0,   // a narrow panel without a bevel
  spWrap = 1,     // "Wrap" or "UnWrap"; the elapsed time while the engine runs
  spCodePage = 2, // the encoding in force: "UTF-8", "WIN", "DOS" or "KOI8"
  spLayout = 3,   // "Hex" or "Text"
  spLineEnds = 4, // the line ends in force: "CR LF" or "LF"
  spIgnored = 5,  // "≈" while the comparison looks past something, which its tool tip names
  spStatus = 6,   // what the window is doing, or the outcome; takes the rest of the bar
};

class TfrmDorix : public QMainWindow {
  Q_OBJECT

public:
  explicit TfrmDorix(QWidget *parent = nullptr);
  ~TfrmDorix() override;

  // --- names, captions and modes ---
  void ChangeActualPFN(const QString &name);
  void ChangeObsoletePFN(const QString &name);
  void SetActualCaption(const QString &name);
  void SetObsoleteCaption(const QString &name);
  QString GetActualCaption() const;
  QString GetObsoleteCaption() const;
  void ChangeWrapMode(bool on);
  void ChangeHexMode(bool on);
  void ChangeOEMMode(bool on);
  void ChangeLineEnds(TVLineEnds setting);
  // The encoding as chosen; DOS (866) turns the OEM mode on and keeps the choice before it.
  void ChangeEncoding(TVEncoding encoding);
  // The readable pass: changes slid to whole lines, crumbs between changes folded.
  void ChangeReadable(bool on);
  void ChangeDetectMoves(bool on);
  bool Readable() const { return FRequested.Choices.Readable; }
  // What the comparison looks past: line ends, spaces, letter case.
  void ChangeIgnore(const TIgnoreChoices &ignore);
  const TIgnoreChoices &Ignore() const { return FRequested.Choices.Ignore; }
  // What the text is read as now: DOS in the OEM mode, else the choice, automatic by the files.
  TVEncoding ActiveEncoding() const;

  // --- commands ---
  void StartupCompare();
  // Jumps to the first difference when the comparison that serves the command ends similar:
  // now, or when a run or a rebuild in progress and the one it wants after it have ended.
  void GoToFirstDiffIfSimilar();
  void btnExchClick();
  void btnChartClick();
  void LayoutCaptions();
  void tsViewChange(int index);
  void btnOpenClick();
  // Shows two files' comparison, as the open dialog, a recent pair and a drop do.
  void OpenPair(const QString &actual, const QString &obsolete);
  // The recent pair at index of the "Файл" menu; a pair whose file is gone is refused with a
  // message and stays in the list.
  void OpenRecentPair(int index);
  void ClearRecentPairs();
  // --- two folders ---
  // The folder view of the two folders requested, compared afresh or as they were last.
  void ShowFolders(bool afresh);
  // A file, or a pair, of the folder view compared in the window, the other side empty where
  // the file is on one side only.
  void OpenFolderEntry(std::uint32_t entry);
  // From a file opened from the folders back to them, the selection and scroll as they were.
  void BackToFolders();
  // The next (1) or the one before (-1) of the files that differ, opened from the folder view
  // or from a file opened from it.
  void StepDifferentFile(int direction);
  // From moved text under the caret to its other end, which is then marked as found.
  void GoToOtherEnd();
  // The page of what the viewer shows now, in the user's colours and code page.
  THtmlPage HtmlPageOfView() const;
  bool FolderShown() const;
  // The entry of the folder view shown as a file comparison, or kNoEntry.
  std::uint32_t FolderEntryShown() const { return FFolderEntry; }
  const QList<TRecentPair> &RecentPairs() const { return FRecentPairs; }
  void mmFormatPropClick();
  void mmFileSaveHtmlClick();
  void OpenHelp(const QString &topic);
  void mmHelpAboutClick();
  // The help viewer and its arguments for a topic; path is the help file with the topic.
  QStringList HelpCommand(const QString &topic, QString &path) const;

  // --- the comparison run ---
  void CompareFiles();
  bool NeedsUpdate() const;
  // A comparison runs or the viewer builds its lines: commands wait until it ends.
  bool Busy() const;
  // Ends the comparison or the line building under way at once: nothing is shown, the status
  // says so, and the next command compares afresh.
  void StopRun();
  void UpdateStatus();
  // Called on the comparison's thread as each of its phases begins; a test holds a run there.
  std::function<void(TComparisonPhase, const std::stop_token &)> OnWorkPhase;

  // --- what a person sees, for tests ---
  TCompareStatus Status() const { return FStatus; }
  QString ActualPFN() const { return FRequested.ActualPFN; }
  QString ObsoletePFN() const { return FRequested.ObsoletePFN; }
  bool WrapMode() const { return FRequested.WrapMode; }
  bool HexMode() const { return FRequested.HexMode; }
  TVLineEnds LineEnds() const { return FRequested.LineEnds; }
  bool OEMMode() const { return FRequested.Choices.OemMode; }
  const TSettings &Settings() const { return FSettings; }
  // The styles the text is drawn in: the colour scheme's, or the desktop's where it follows it.
  const TStyleSet &Styles() const;
  // The comparison shown; none while a comparison runs, after a stop or before the first.
  const TComparison *Comparison() const { return FComparison.get(); }
  int FileReads() const { return FFileReads; }
  // Nothing runs and no command waits for a run.
  bool Idle() const { return !Busy() && !FRun.Wants(rwCompare); }

  // The platform's dialogs and programs; tests put their own here.
  TPlatformServices Platform = TPlatformServices::Real();
  // Shows a message to the user (a message box); tests put their own here.
  std::function<void(const QString &text, const QString &detail)> ShowMessage;

  // --- controls, named by their prefix (btn, chk, ed, mm, ...) and what they do ---
  QToolBar *ToolBar1;
  QToolButton *btnOpen, *btnRefresh, *btnPrevDiff, *btnNextDiff, *btnExch, *btnChart;
  QCheckBox *chkWrapMode, *chkDosMode, *chkHexMode;
  QFrame *Bevel1;
  QWidget *pnlTop;
  QFrame *stActual, *stObsolete;
  QLineEdit *edActualCaption, *edObsoleteCaption;
  QWidget *pnlResult;
  TVMemo *mm;
  QTabBar *tsView;
  QProgressBar *ProgressBar1;
  QToolButton *btnStop; // beside the progress bar while the window is busy
  QPushButton *btnStartup;
  TStatusPanels *StatusBar1;
  QMenu *mmFile, *mmEdit, *mmEditGoto, *mmFormat, *mmCompare, *mmHelp, *ppmMemo;
  QAction *mmFileOpen, *mmFileSaveHtml, *mmFileStop, *mmFileExit;
  QAction *mmRecentSeparator, *mmRecentClear;
  QList<QAction *> mmRecentItems; // one per pair of RecentPairs(), in its order
  TFileChangeBar *ChangeBar;      // above the text when a compared file has changed on disk
  TFormOnlyBar *FormOnlyBar;      // above the text when the files differ only in their form
  TFolderView *FolderView;        // instead of the text while two folders are shown
  QToolButton *btnBackToFolders;  // while a file opened from the folders is shown ...
  QAction *actBackToFolders;      // ... which its place on the tool bar says
  QAction *mmEditCopy, *mmEditSelectAll, *mmEditFind, *mmEditFindNext;
  QAction *mmDiffUp, *mmDiffDown, *mmDiffLeft, *mmDiffRight, *mmDiffHome, *mmDiffEnd;
  QAction *mmDiffOtherEnd; // from moved text to where it came from or went
  QAction *mmEditRefresh, *mmEditExchangeFiles;
  QAction *mmFormatWrap, *mmFormatDOS, *mmFormatHex, *mmFormatReadable, *mmFormatMoves,
      *mmFormatProp;
  QMenu *mmFormatLineEnds;
  QAction *mmLineEndsAuto, *mmLineEndsCR, *mmLineEndsLF;
  QMenu *mmFormatEncoding;
  QMenu *mmFormatScheme;
  QAction *mmSchemeLight, *mmSchemeDark, *mmSchemeSystem;
  QAction *mmEncodingAuto, *mmEncodingUtf8, *mmEncodingWindows, *mmEncodingDos, *mmEncodingKoi8;
  QAction *mmIgnoreLineEnds, *mmIgnoreSpaceChange, *mmIgnoreAllSpace, *mmIgnoreCase;
  QAction *mmBackToFolders, *mmNextDiffFile, *mmPrevDiffFile;
  QAction *mmHelpIndex, *mmHelpMore, *mmHelpAbout;
  QAction *ppmMemoCopy, *ppmMemoSelectAll;
  std::unique_ptr<TFormDorixChart> FormDorixChart;

protected:
  bool event(QEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dragMoveEvent(QDragMoveEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  // building the window
  void BuildToolBar();
  void BuildMenus();
  void BuildPanels();
  void BuildStatusBar();
  void PaintCaptionGrounds();
  void FormCreate();
  void CreateKindFonts();
  void ApplyStyleColors();
  void ApplyViewerFont();
  // Draws everything in the styles in force: after they were edited or the scheme changed.
  void ApplyStyles();
  static bool DarkDesktop(); // the application's palette is dark
  void ChangeColorScheme(TColorScheme scheme);

  // wrap and hex: both change the layout through CompareFiles
  void ChangeLayoutMode(bool on, bool &requested, QCheckBox *box);
  // Requests other choices of the pieces; the next run applies them.
  void ChangeChoices(const TComparisonChoices &choices);
  void ChangeChoice(bool TComparisonChoices::*choice, bool on);

  // the run: the comparison on a thread of its own, then the lines (the viewer builds them on
  // one of its own), then the end; the window only shows how far it is meanwhile
  struct TRunJob; // one comparison, or the pieces of the last one under other choices
  TRunInputs Requested() const;
  void ApplyCodePage();
  void StartComparison();
  void StartDerivation();
  void StartJob(std::shared_ptr<TRunJob> job, qint64 bytes);
  void DisposeShownText();
  void ComparisonDone(const std::shared_ptr<TRunJob> &job, std::exception_ptr failure);
  void ShowRun();
  void EndRun(std::exception_ptr failure);
  void ReportFailure(const std::exception_ptr &failure);
  void ReportReadFailures(const TComparison &comparison);
  void FillStatistics();
  void ShowBusy();
  void ShowProgress();
  void RelayoutDone();
  void BusyChanged();
  void TakeWantedJump();
  void ForceFullComparison();
  void SetStatusText(int panel, const QString &text);
  QString WrapText() const;
  QString EncodingText() const;
  QString LineEndsText() const;
  QString IgnoredToolTip() const;
  void StatusDoubleClick(int panel);
  void SaveSettingsNow();
  // "new.txt ↔ old.txt — Сравнение содержимого файлов", or the caption alone.
  void UpdateTitle();
  // the folder view
  void BuildFolderView(QWidget *parent);
  bool FolderPairRequested() const;
  void ShowFolderPanes(bool folders);
  // the recent pairs of the "Файл" menu
  void BuildRecentMenu();
  void FillRecentMenu();
  void RememberPair(const QString &actual, const QString &obsolete);

  QImage FGlyphInserted, FGlyphDeleted, FGlyphUpdated, FGlyphMoved;
  int FStyleIndexInserted = 0, FStyleIndexDeleted = 0, FStyleIndexUpdated = 0;
  int FStyleIndexIgnored = 0, FStyleIndexMovedAway = 0, FStyleIndexMovedHere = 0;
  TVFont FFontInserted, FFontDeleted, FFontUpdated, FFontIgnored, FFontMoved;
  // The comparison whose pieces the viewer shows; shared with the threads that read them.
  std::shared_ptr<const TComparison> FComparison;
  QTime FStartTime; // when the engine began, for the elapsed time in the status bar
  TRunState FRun;
  TRunInputs FRequested; // what the commands asked for
  // What the lines shown were made from; none when the files must be read again whatever
  // is requested. While the window is built it follows the requests: nothing is shown yet.
  std::optional<TRunInputs> FUsed = TRunInputs{};
  TCompareStatus FStatus = csNotRun;
  QList<TRecentPair> FRecentPairs;
  // The entry of the folder view shown as a file comparison, if one is.
  std::uint32_t FFolderEntry = UINT32_MAX;

  TSettings FSettings;
  int FFileReads = 0;
  TRunInputs FRunUsed;           // the inputs of the run in progress
  std::shared_ptr<TRunJob> FJob; // the comparison in progress
  int FShownPhase = cpWaiting;   // its phase as the status bar shows it
  QTimer FProgressTimer;
  TDisposer FJanitor;             // frees the texts of the run before
  TBackgroundTask FRunTask{this}; // last: stopped and joined before the rest goes
};
