// The main window: creation, names and captions, the display modes, swap and refresh, and
// the window's own events.
#include "UnitDorix.h"

#include "EscapedName.h"
#include "FolderView.h"

#include "Glyphs.h"
#include "Placement.h"
#include "StatusPanels.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <cmath>

namespace {

QVector<QRect> AvailableScreens() {
  QVector<QRect> screens;
  for (const QScreen *screen : QGuiApplication::screens())
    screens << screen->availableGeometry();
  return screens;
}

} // namespace

// The images live in this static library: its resources must be registered by hand.
static void InitImages() {
  Q_INIT_RESOURCE(images);
}

namespace {

QString Caption() {
  return QCoreApplication::translate("Dorix", "Сравнение содержимого файлов");
}

} // namespace

TfrmDorix::TfrmDorix(QWidget *parent) : QMainWindow(parent) {
  InitImages();
  setWindowTitle(Caption());
  setAcceptDrops(true);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  setFont(font);
  setGeometry(216, 115, 526, 447);
  ShowMessage = [this](const QString &text, const QString &detail) {
    QMessageBox box(QMessageBox::Warning, Caption(), text, QMessageBox::Ok, this);
    box.setInformativeText(detail);
    box.exec();
  };
  BuildToolBar();
  BuildMenus();
  BuildPanels();
  BuildStatusBar();
  FormCreate();
}

TfrmDorix::~TfrmDorix() {
  StopRun(); // the threads go before what they read
}

void TfrmDorix::FormCreate() {
  FormDorixChart = std::make_unique<TFormDorixChart>();
  const int fontSize = static_cast<int>(std::lround(mm->font().pixelSize() * 72.0 / 96.0));
  FSettings = LoadSettings(*OpenUserStore(), fontSize, geometry());
  if (FSettings.FontSize < kMinFontSize || FSettings.FontSize > kMaxFontSize)
    FSettings.FontSize = fontSize; // a size no font can be drawn in keeps the default
  ChangeWrapMode(FSettings.WrapMode);
  ChangeHexMode(FSettings.HexMode);
  ChangeLineEnds(static_cast<TVLineEnds>(FSettings.LineEnds));
  // The choice first: choosing an encoding turns the DOS mode off, which the stored mode
  // then turns on again.
  ChangeEncoding(EncodingNamed(FSettings.Encoding.toStdString()).value_or(TVEncoding::Auto));
  ChangeOEMMode(FSettings.OEMMode);
  ChangeReadable(FSettings.Readable);
  ChangeDetectMoves(FSettings.DetectMoves);
  ChangeIgnore({FSettings.IgnoreLineEnds, FSettings.IgnoreSpaceChange, FSettings.IgnoreAllSpace,
                FSettings.IgnoreCase});
  setGeometry(
      OnScreen({FSettings.FormLeft, FSettings.FormTop, FSettings.FormWidth, FSettings.FormHeight},
               AvailableScreens()));
  FolderView->SetHidden(fsnIdentical, FSettings.FolderHideIdentical);

  // At the scale factor of the screen the window opens on.
  FGlyphInserted = MakeGlyphInserted(devicePixelRatioF());
  FGlyphDeleted = MakeGlyphDeleted(devicePixelRatioF());
  FGlyphUpdated = MakeGlyphUpdated(devicePixelRatioF());
  FGlyphMoved = MakeGlyphMoved(devicePixelRatioF());
  // A style for each kind; ApplyStyles below gives them their fonts and colours.
  FStyleIndexInserted = mm->AddStyle(&FFontInserted, TColorValue{}, &FGlyphInserted);
  FStyleIndexDeleted = mm->AddStyle(&FFontDeleted, TColorValue{}, &FGlyphDeleted);
  FStyleIndexUpdated = mm->AddStyle(&FFontUpdated, TColorValue{}, &FGlyphUpdated);
  // Ignored text lies inside shared text: a style for its runs, never a line's glyph.
  FStyleIndexIgnored = mm->AddStyle(&FFontIgnored, TColorValue{}, nullptr);
  Q_ASSERT(FStyleIndexIgnored == kindIgnored); // the pieces carry it as their kind
  // Both ends of moved text look alike; a line holding either shows the moved glyph.
  FStyleIndexMovedAway = mm->AddStyle(&FFontMoved, TColorValue{}, &FGlyphMoved);
  FStyleIndexMovedHere = mm->AddStyle(&FFontMoved, TColorValue{}, &FGlyphMoved);
  Q_ASSERT(FStyleIndexMovedAway == kindMovedAway && FStyleIndexMovedHere == kindMovedHere);
  ApplyStyles();
  mm->Model().FUpdatedKind = FStyleIndexUpdated;

  mm->SetBackgroundBuilds(true);
  mm->OnBuildStarted = [this] { ShowBusy(); };
  mm->OnRelayoutDone = [this] { RelayoutDone(); };
  mm->OnTextWork = [this] { BusyChanged(); };
  connect(&FProgressTimer, &QTimer::timeout, this, &TfrmDorix::ShowProgress);
  mm->BeginUpdate(); // no layout until the window is shown

  ChangeActualPFN({});
  SetActualCaption({});
  ChangeObsoletePFN({});
  SetObsoleteCaption({});
  FRequested.View = 0;
  FStatus = csNotRun;
  UpdateStatus();
}

bool TfrmDorix::DarkDesktop() {
  return IsDarkPalette(QGuiApplication::palette());
}

const TStyleSet &TfrmDorix::Styles() const {
  return FSettings.Styles(DarkDesktop());
}

void TfrmDorix::CreateKindFonts() {
  const TStyleSet &styles = Styles();
  const std::pair<TVFont *, const TVTextStyle *> kinds[] = {{&FFontInserted, &styles.Inserted},
                                                            {&FFontDeleted, &styles.Deleted},
                                                            {&FFontUpdated, &styles.Updated},
                                                            {&FFontIgnored, &styles.Ignored},
                                                            {&FFontMoved, &styles.Moved}};
  for (const auto &[font, style] : kinds) {
    font->Font = mm->font();
    font->Font.setPointSize(FSettings.FontSize);
    TextStyleToFont(*style, *font);
  }
}

void TfrmDorix::ApplyViewerFont() {
  QFont font = mm->font();
  const TVTextStyle &equal = Styles().Equal;
  ApplyFontStyle(font, equal.FontStyle);
  font.setPointSize(FSettings.FontSize);
  mm->setFont(font);
  mm->SetFontColor(equal.FontColor);
  mm->SetColor(equal.BkgColor);
  mm->SetStyle(kindEqual, nullptr, equal.BkgColor); // shared text lies on the same ground
  // Text found is shown inverted against the scheme's ground: black on light, white on dark.
  const bool dark = FSettings.DrawsDark(DarkDesktop());
  mm->SetFoundColors(dark ? 0xFFFFFF : 0x000000, dark ? 0x000000 : 0xFFFFFF);
}

void TfrmDorix::ApplyStyleColors() {
  auto paint = [](QFrame *swatch, TColorValue color) {
    QPalette p = swatch->palette();
    p.setColor(QPalette::Window, ToQColor(color, p));
    swatch->setPalette(p);
  };
  const TStyleSet &styles = Styles();
  paint(stActual, styles.Inserted.BkgColor);
  paint(stObsolete, styles.Deleted.BkgColor);
  FormDorixChart->ApplyStyles(styles.Inserted, styles.Deleted, styles.Updated, styles.Equal);
  FormDorixChart->ApplyIgnoredStyle(styles.Ignored);
  FormDorixChart->ApplyMovedStyle(styles.Moved);
  FolderView->SetStyles({styles.Equal, styles.Inserted, styles.Deleted, styles.Updated});
  QAction *const schemes[] = {mmSchemeSystem, mmSchemeLight, mmSchemeDark};
  schemes[FSettings.ColorScheme]->setChecked(true);
}

void TfrmDorix::ApplyStyles() {
  CreateKindFonts();
  const TStyleSet &styles = Styles();
  mm->SetStyle(FStyleIndexInserted, &FFontInserted, styles.Inserted.BkgColor);
  mm->SetStyle(FStyleIndexDeleted, &FFontDeleted, styles.Deleted.BkgColor);
  mm->SetStyle(FStyleIndexUpdated, &FFontUpdated, styles.Updated.BkgColor);
  mm->SetStyle(FStyleIndexIgnored, &FFontIgnored, styles.Ignored.BkgColor);
  for (const int moved : {FStyleIndexMovedAway, FStyleIndexMovedHere})
    mm->SetStyle(moved, &FFontMoved, styles.Moved.BkgColor);
  ApplyViewerFont();
  ApplyStyleColors();
  if (FComparison)
    FillStatistics(); // the chart's pie in the new colours
  mm->viewport()->update();
}

void TfrmDorix::ChangeColorScheme(TColorScheme scheme) {
  FSettings.ColorScheme = scheme;
  const QFont before = mm->font();
  ApplyStyles();
  // Only a shared text drawn in another font lays its lines out again; colours are repainted.
  if (mm->font() != before) {
    ForceFullComparison();
    CompareFiles();
  }
}

// --- names and captions ---

void TfrmDorix::ChangeActualPFN(const QString &name) {
  FRequested.ActualPFN = name;
  if (FRun.Creating())
    FUsed = Requested();
}

void TfrmDorix::ChangeObsoletePFN(const QString &name) {
  FRequested.ObsoletePFN = name;
  if (FRun.Creating())
    FUsed = Requested();
}

void TfrmDorix::SetActualCaption(const QString &name) {
  edActualCaption->setText(name);
  edActualCaption->setCursorPosition(0); // a long path shows its start, not its end
  FormDorixChart->SetFileCaptions(name, GetObsoleteCaption());
  UpdateTitle();
}

void TfrmDorix::SetObsoleteCaption(const QString &name) {
  edObsoleteCaption->setText(name);
  edObsoleteCaption->setCursorPosition(0);
  FormDorixChart->SetFileCaptions(GetActualCaption(), name);
  UpdateTitle();
}

void TfrmDorix::UpdateTitle() {
  if (FFolderEntry != kNoEntry && !FolderShown()) { // the path inside the two folders
    const QString path =
        QString::fromStdString(EscapedName(FolderView->Result()[FFolderEntry].Path));
    setWindowTitle(path + QStringLiteral(" \u2014 ") + Caption());
    return;
  }
  QStringList names;
  for (const QString &caption : {GetActualCaption(), GetObsoleteCaption()})
    if (!caption.isEmpty())
      names << (FolderShown() ? QDir(caption).dirName() : QFileInfo(caption).fileName());
  setWindowTitle(names.isEmpty() ? Caption()
                                 : names.join(QStringLiteral(" \u2194 ")) +
                                       QStringLiteral(" \u2014 ") + Caption());
}

QString TfrmDorix::GetActualCaption() const {
  return edActualCaption->text();
}

QString TfrmDorix::GetObsoleteCaption() const {
  return edObsoleteCaption->text();
}

// --- display modes ---

void TfrmDorix::ChangeLayoutMode(bool on, bool &requested, QCheckBox *box) {
  if (!FRun.Creating() && on == requested)
    return; // the echo of the check box, or nothing new
  requested = on;
  if (FRun.Creating())
    FUsed = Requested();
  box->setChecked(on);
  CompareFiles();
}

void TfrmDorix::ChangeWrapMode(bool on) {
  ChangeLayoutMode(on, FRequested.WrapMode, chkWrapMode);
}

void TfrmDorix::ChangeHexMode(bool on) {
  ChangeLayoutMode(on, FRequested.HexMode, chkHexMode);
}

void TfrmDorix::ChangeChoices(const TComparisonChoices &choices) {
  FRequested.Choices = choices;
  chkDosMode->setChecked(choices.OemMode); // its echo finds the mode already set
  if (FRun.Creating())
    FUsed = Requested();
  ApplyCodePage();
  CompareFiles(); // between single-byte code pages only the drawing changes
}

void TfrmDorix::ChangeChoice(bool TComparisonChoices::*choice, bool on) {
  if (!FRun.Creating() && on == FRequested.Choices.*choice)
    return; // the echo of a check box, or nothing new
  TComparisonChoices choices = FRequested.Choices;
  choices.*choice = on;
  ChangeChoices(choices);
}

void TfrmDorix::ChangeOEMMode(bool on) {
  ChangeChoice(&TComparisonChoices::OemMode, on);
}

void TfrmDorix::ChangeEncoding(TVEncoding encoding) {
  if (encoding == TVEncoding::Dos866) {
    ChangeOEMMode(true); // the choice before it stays, for F8 to go back to
    return;
  }
  TComparisonChoices choices = FRequested.Choices;
  choices.Encoding = encoding;
  choices.OemMode = false;
  ChangeChoices(choices);
}

void TfrmDorix::ChangeReadable(bool on) {
  ChangeChoice(&TComparisonChoices::Readable, on);
}

void TfrmDorix::ChangeDetectMoves(bool on) {
  ChangeChoice(&TComparisonChoices::Moves, on);
}

void TfrmDorix::ChangeIgnore(const TIgnoreChoices &ignore) {
  if (!FRun.Creating() && ignore == FRequested.Choices.Ignore)
    return;
  TComparisonChoices choices = FRequested.Choices;
  choices.Ignore = ignore;
  ChangeChoices(choices); // the files are compared again, not read again
}

void TfrmDorix::ApplyCodePage() {
  mm->SetCodePage(CodePageOf(ActiveEncoding()));
}

void TfrmDorix::ChangeLineEnds(TVLineEnds setting) {
  FRequested.LineEnds = setting;
  if (FRun.Creating())
    FUsed = Requested();
  CompareFiles(); // the lines are built again; the files are not read
}

// --- commands ---

void TfrmDorix::GoToOtherEnd() {
  // The viewer shows this comparison's pieces of the view in use (or none, while a run is
  // under way): the entries it names are theirs.
  if (!FComparison || mm->Model().SharedSource().get() != &FComparison->Pieces(FRunUsed.View))
    return;
  const std::int32_t view = FRunUsed.View;
  mm->GoToOtherEnd([this, view](int entry) { return FComparison->OtherEnd(view, entry); });
}

void TfrmDorix::StartupCompare() {
  QFont font = mm->font();
  font.setFamily(QStringLiteral("Courier New"));
  mm->setFont(font);
  ForceFullComparison();
  if (!(FRequested.ActualPFN + FRequested.ObsoletePFN).isEmpty())
    mm->setFocus();
  CompareFiles();
  GoToFirstDiffIfSimilar();
}

void TfrmDorix::ForceFullComparison() {
  FUsed.reset();
  if (FRun.Running())
    FRun.Want(rwReadAfresh); // the run in progress would set what it used when it ends
}

void TfrmDorix::btnExchClick() {
  const QString actual = FRequested.ActualPFN;
  ChangeActualPFN(FRequested.ObsoletePFN);
  ChangeObsoletePFN(actual);
  const QString actualCaption = GetActualCaption(), obsoleteCaption = GetObsoleteCaption();
  SetActualCaption(obsoleteCaption);
  SetObsoleteCaption(actualCaption);
  CompareFiles();
  LayoutCaptions();
  GoToFirstDiffIfSimilar();
}

void TfrmDorix::btnChartClick() {
  if (!FormDorixChart->isVisible())
    FormDorixChart->move(frameGeometry().topLeft() + QPoint(30, 30));
  FormDorixChart->show();
  FormDorixChart->raise();
  FormDorixChart->activateWindow();
}

void TfrmDorix::tsViewChange(int index) {
  FRequested.View = index;
  CompareFiles();
}

void TfrmDorix::LayoutCaptions() {
  const int w = pnlTop->width();
  const QFontMetrics metrics(font());
  const int a = metrics.horizontalAdvance(GetActualCaption()) + 5;
  const int b = metrics.horizontalAdvance(GetObsoleteCaption()) + 5;
  const int swatch = stActual->width();
  const int s = swatch + 12;
  stActual->move(4, 8);
  if (w < a + b + 2 * s) { // two rows
    edActualCaption->setFixedWidth(std::max(0, w - s));
    stObsolete->move(4, 32);
    edObsoleteCaption->setFixedWidth(std::max(0, w - s));
    pnlTop->setFixedHeight(57);
  } else {
    edActualCaption->setFixedWidth(a);
    stObsolete->move(stActual->x() + swatch + 4 + a + 4 + 4, 8);
    edObsoleteCaption->setFixedWidth(b);
    pnlTop->setFixedHeight(33);
  }
  edActualCaption->move(stActual->x() + swatch + 4, stActual->y());
  edObsoleteCaption->move(stObsolete->x() + swatch + 4, stObsolete->y());
}

// --- the window's own events ---

bool TfrmDorix::event(QEvent *event) {
  // The start-up comparison runs from the event loop once the window has been painted.
  if (event->type() == QEvent::Paint && FRun.StartupDue())
    QTimer::singleShot(0, btnStartup, &QPushButton::click);
  // The desktop turned light or dark: the captions follow, and the system's scheme.
  if (event->type() == QEvent::ApplicationPaletteChange && !FRun.Creating()) {
    PaintCaptionGrounds();
    if (FSettings.ColorScheme == schemeSystem)
      ApplyStyles();
  }
  return QMainWindow::event(event);
}

void TfrmDorix::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (!FRun.Creating())
    return;
  FRun.Show();
  mm->EndUpdate();
  update(); // make sure a paint comes, which posts the start-up comparison
}

void TfrmDorix::SaveSettingsNow() {
  FSettings.WrapMode = FRequested.WrapMode;
  FSettings.OEMMode = FRequested.Choices.OemMode;
  FSettings.Readable = FRequested.Choices.Readable;
  FSettings.DetectMoves = FRequested.Choices.Moves;
  FSettings.HexMode = FRequested.HexMode;
  FSettings.LineEnds = FRequested.LineEnds;
  const TIgnoreChoices &ignore = FRequested.Choices.Ignore;
  FSettings.IgnoreLineEnds = ignore.LineEnds;
  FSettings.IgnoreSpaceChange = ignore.SpaceChange;
  FSettings.IgnoreAllSpace = ignore.AllSpace;
  FSettings.IgnoreCase = ignore.Case;
  FSettings.Encoding = QString::fromUtf8(EncodingName(FRequested.Choices.Encoding).data());
  const QRect placement = geometry();
  FSettings.FormLeft = placement.left();
  FSettings.FormTop = placement.top();
  FSettings.FormWidth = placement.width();
  FSettings.FormHeight = placement.height();
  SaveSettings(FSettings, *OpenUserStore());
}

void TfrmDorix::closeEvent(QCloseEvent *event) {
  SaveSettingsNow();
  StopRun();
  FRun.Close();
  FormDorixChart->hide();
  event->accept();
}

void TfrmDorix::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape) {
    mmFileExit->trigger();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool TfrmDorix::eventFilter(QObject *watched, QEvent *event) {
  if (watched == pnlTop && event->type() == QEvent::Resize)
    LayoutCaptions();
  return QMainWindow::eventFilter(watched, event);
}
