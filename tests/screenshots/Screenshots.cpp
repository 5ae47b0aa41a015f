// Renders the viewer, offscreen, on a sample comparison to PNG files, so that a person can look
// at every layout without a display: screenshots OUTPUT_DIR
#include "FileChangeBar.h"
#include "FindDialog.h"
#include "FormDorixCfgUnit.h"
#include "FormDorixChartUnit.h"
#include "FormDorixOpenUnit.h"
#include "FormDorixTextCfgUnit.h"
#include "Settings.h"
#include "UnitDorix.h"
#include "UnitDorixAbout.h"
#include "VDiff.h"
#include "VMemo.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cstdio>
#include <string>

namespace {

// Windows-1251 text: shared, inserted, deleted and updated lines, a long line, control bytes.
const char kOld[] =
    "[\xd1\xea\xeb\xe0\xe4]\r\n" // [Склад]
    "path=C:\\SKLAD\\DATA\r\n"
    "printer=LPT1\r\n"
    "margins=10\r\n"
    "; \xf1\xf2\xe0\xf0\xee\xe5 \xe7\xed\xe0\xf7\xe5\xed\xe8\xe5\r\n" // ; старое значение
    "tabs=\t1\t2\t3\x01\x02\r\n"
    "end\r\n";

std::string NewText() {
  std::string longLine = "comment=";
  for (int i = 0; i < 12; ++i)
    longLine += "\xe4\xeb\xe8\xed\xed\xe0\xff \xf1\xf2\xf0\xee\xea\xe0 "; // длинная строка
  return "[\xd1\xea\xeb\xe0\xe4]\r\n"
         "path=D:\\SKLAD\\DATA\r\n"
         "printer=LPT1\r\n"
         "margins=15\r\n"
         "shortcut=yes\r\n" +
         longLine + "\r\n" + "tabs=\t1\t2\t3\x01\x02\r\nend\r\n";
}

struct Viewer {
  QWidget window;
  TVMemo *memo = new TVMemo(&window);
  TVDiff diff;
  TVFont fonts[3];
  QImage glyphs[3];

  Viewer() {
    QFont font("Courier New");
    font.setPixelSize(13);
    memo->setFont(font);
    const TColorValue backgrounds[3] = {0xC888FF, 0xFF8800, 0x00FF00};
    const QRgb pens[3] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0)};
    for (int k = 0; k < 3; ++k) {
      fonts[k].Font = font;
      glyphs[k] = QImage(9, 6, QImage::Format_RGB32);
      glyphs[k].fill(Qt::white);
      for (int x = 1; x < 7; ++x) // a bar through the middle, enough to tell the kinds apart
        glyphs[k].setPixel(x, 2, pens[k]), glyphs[k].setPixel(x, 3, pens[k]);
      memo->AddStyle(&fonts[k], backgrounds[k], &glyphs[k]);
    }
    memo->Model().FUpdatedKind = 3;
    memo->SetColor(0xFFFFFF);
    memo->SetSource(&diff);
    diff.Run(NewText(), kOld);
    window.resize(520, 220);
    memo->setGeometry(0, 0, 520, 220);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
      std::fprintf(stderr, "the window was not exposed\n");
  }

  void Layout(bool wrap, bool hex) {
    memo->SetHexMode(hex);
    memo->SetWrapMode(wrap);
    memo->Relayout();
  }

  void Save(const QString &dir, const char *name) {
    const QString path = dir + "/" + name + ".png";
    window.grab().save(path);
    std::printf("%s\n", qPrintable(path));
  }
};

void SaveWindow(QWidget &window, const QString &dir, const char *name) {
  const QString path = dir + "/" + name + ".png";
  window.grab().save(path);
  std::printf("%s\n", qPrintable(path));
}

// Every dialog, shown the way the main window fills it.
void DialogShots(TfrmDorix &window, const QString &dir) {
  auto shoot = [&](QWidget &dialog, const char *name) {
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
      std::fprintf(stderr, "%s was not exposed\n", name);
    SaveWindow(dialog, dir, name);
    dialog.hide();
  };
  TFormDorixOpen open(window.Platform);
  open.edActualPFN->setText(window.ActualPFN());
  open.edObsoletePFN->setText(window.ObsoletePFN());
  shoot(open, "dialog-open");
  TFormDorixCfg settings(window.Platform);
  const TSettings defaults;
  settings.ShowStyles(defaults.Light, false, window.mm->font());
  settings.UpDownFontSize->SetPosition(defaults.FontSize);
  settings.UpDownTabWidth->SetPosition(defaults.TabWidth);
  settings.chkKeepFormPlace->setChecked(true);
  settings.chkKeepModes->setChecked(true);
  shoot(settings, "dialog-settings");
  TFormDorixTextCfg &style = *settings.FormDorixTextCfg;
  style.edPreview->setText(settings.edColorInserted->text());
  style.edPreview->setFont(settings.edColorInserted->font());
  TextStyleToEdit(defaults.Light.Inserted, *style.edPreview);
  shoot(style, "dialog-style");
  TFormDorixAbout about(window.Platform);
  shoot(about, "dialog-about");
  window.mm->OpenFindDialog();
  shoot(*window.mm->FindDialog(), "dialog-find");
}

// The main window on the bundled example pair, with the default settings.
// The main window as the program opens it on a pair, with its settings in a folder of its own.
struct MainWindow {
  QTemporaryDir settings;
  std::unique_ptr<TfrmDorix> window;

  MainWindow(const QString &first, const QString &second) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    window = std::make_unique<TfrmDorix>();
    window->ShowMessage = [](const QString &text, const QString &) {
      std::fprintf(stderr, "%s\n", qPrintable(text));
    };
    window->ChangeActualPFN(first);
    window->SetActualCaption(window->ActualPFN());
    window->ChangeObsoletePFN(second);
    window->SetObsoleteCaption(window->ObsoletePFN());
    window->show();
    if (!QTest::qWaitFor([&] { return window->Status() != csNotRun; }))
      std::fprintf(stderr, "the start-up comparison did not run\n");
    QApplication::processEvents();
  }
  void Settle() {
    // A new width is laid out again only in the wrap layout.
    const auto settled = [&] {
      return window->Idle() &&
             !(window->WrapMode() && !window->HexMode() && window->mm->LayoutWidthChanged());
    };
    if (!QTest::qWaitFor(settled))
      std::fprintf(stderr, "the window did not settle\n");
    QApplication::processEvents();
  }
};

void MainWindowShots(const QString &dir) {
  const QString examples = QStringLiteral(DORIX_EXAMPLES_DIR);
  MainWindow m(examples + "/setup-new.txt", examples + "/setup-old.txt");
  TfrmDorix &window = *m.window;
  SaveWindow(window, dir, "main-window-wrap");
  window.ChangeWrapMode(false);
  SaveWindow(window, dir, "main-window-plain");
  window.ChangeHexMode(true);
  window.resize(760, 447);
  QApplication::processEvents();
  SaveWindow(window, dir, "main-window-hex");
  DialogShots(window, dir);
}

// A dark desktop's palette, as a dark theme gives Qt.
QPalette DarkPalette() {
  QPalette dark;
  const QColor window(0x30, 0x30, 0x30), base(0x20, 0x20, 0x20), text(0xE0, 0xE0, 0xE0);
  for (const auto role : {QPalette::Window, QPalette::Button})
    dark.setColor(role, window);
  for (const auto role : {QPalette::Base, QPalette::AlternateBase})
    dark.setColor(role, base);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(role, text);
  dark.setColor(QPalette::Light, window.lighter(150));
  dark.setColor(QPalette::Midlight, window.lighter(125));
  dark.setColor(QPalette::Mid, window.darker(125));
  dark.setColor(QPalette::Dark, window.darker(150));
  dark.setColor(QPalette::Shadow, Qt::black);
  return dark;
}

// A UTF-8 Python pair with LF line ends, read with no setting touched.
void Utf8Shots(const QString &dir) {
  const QString examples = QStringLiteral(DORIX_EXAMPLES_DIR);
  MainWindow m(examples + "/greet-new.py", examples + "/greet-old.py");
  TfrmDorix &window = *m.window;
  window.ChangeWrapMode(false);
  window.resize(640, 447);
  m.Settle();
  SaveWindow(window, dir, "utf8-plain");
  // A dark desktop, the scheme left to follow it; then the same pair on a light one, dark chosen.
  const QPalette light = QApplication::palette();
  QApplication::setPalette(DarkPalette());
  m.Settle();
  SaveWindow(window, dir, "utf8-dark-desktop");
  QApplication::setPalette(light);
  window.mmSchemeDark->trigger();
  m.Settle();
  SaveWindow(window, dir, "utf8-dark-chosen");
  window.mmSchemeSystem->trigger();
  window.ChangeWrapMode(true);
  window.resize(420, 447);
  m.Settle();
  SaveWindow(window, dir, "utf8-wrap");
  window.ChangeHexMode(true);
  window.resize(760, 447);
  m.Settle();
  SaveWindow(window, dir, "utf8-hex");
}

// What a desktop user meets besides the comparison: the bar after a compared file changed on
// disk, the recent pairs of the "Файл" menu (one of them gone, greyed), and the window in English.
void DesktopShots(const QString &dir) {
  const QString examples = QStringLiteral(DORIX_EXAMPLES_DIR);
  QTemporaryDir files;
  const QString gone = files.filePath("gone.txt");
  for (const char *name : {"greet-new.py", "greet-old.py"})
    QFile::copy(examples + "/" + name, files.filePath(name));
  QFile::copy(examples + "/setup-new.txt", gone);
  MainWindow m(gone, examples + "/setup-old.txt");
  TfrmDorix &window = *m.window;
  window.OpenPair(files.filePath("greet-new.py"), files.filePath("greet-old.py"));
  m.Settle();
  QFile::remove(gone);
  QFile file(files.filePath("greet-new.py"));
  file.open(QIODevice::Append);
  file.write("# edited\n");
  file.close();
  if (!QTest::qWaitFor([&] { return window.ChangeBar->isVisible(); }))
    std::fprintf(stderr, "the change bar did not show\n");
  window.resize(640, 447);
  QApplication::processEvents();
  SaveWindow(window, dir, "main-window-changed");
  window.mmFile->popup(window.mapToGlobal(QPoint(0, 20)));
  if (!QTest::qWaitForWindowExposed(window.mmFile))
    std::fprintf(stderr, "the File menu was not shown\n");
  SaveWindow(*window.mmFile, dir, "menu-file-recent");
  window.mmFile->close();

  QTranslator english;
  if (!english.load(":/i18n/dorix_en.qm"))
    std::fprintf(stderr, "the English translation is missing\n");
  QCoreApplication::installTranslator(&english);
  MainWindow e(examples + "/setup-new.txt", files.filePath("missing.txt"));
  e.window->resize(640, 300);
  QApplication::processEvents();
  SaveWindow(*e.window, dir, "main-window-english");
  QCoreApplication::removeTranslator(&english);
}

// Text styles with underline and strike-out, and UTF-8 letters written with combining marks.
void DecorationShots(Viewer &v, const QString &dir) {
  v.memo->ClearSelection();
  v.fonts[0].Font.setUnderline(true); // Inserted
  v.fonts[1].Font.setStrikeOut(true); // Deleted
  v.Layout(false, false);
  v.Save(dir, "viewer-underline-strikeout");
  v.fonts[0].Font.setUnderline(false);
  v.fonts[1].Font.setStrikeOut(false);

  TVDiff marks; // "Tiếng Việt, văn bản" with its marks written apart, against a change of one
  marks.Run("Tie\xCC\x82\xCC\x81ng Vie\xCC\xA3\xCC\x82t, va\xCC\x86n ba\xCC\x89n\r\n"
            "x\xCC\x81\xCC\x82 q\xCC\xA3 \xD0\xB8\xCC\x86\r\n",
            "Tie\xCC\x82\xCC\x81ng Vie\xCC\xA3\xCC\x82t, van ban\r\n"
            "x\xCC\x81\xCC\x82 q\xCC\xA3 \xD0\xB8\r\n");
  v.memo->SetSource(&marks);
  v.memo->Model().SetTextForm({true, 8});
  v.Layout(false, false);
  v.Save(dir, "viewer-utf8-combining-marks");
  v.memo->Model().SetTextForm({false, 8});
  v.memo->SetSource(&v.diff);
  v.Layout(false, false);
}

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(dir);

  Viewer v;
  v.memo->clearFocus();
  v.Layout(false, false);
  v.Save(dir, "viewer-plain");
  v.Layout(true, false);
  v.Save(dir, "viewer-wrap");
  v.memo->SetOemMode(true);
  v.Save(dir, "viewer-wrap-oem");
  v.memo->SetOemMode(false);
  v.memo->SetHaveLeft(false);
  v.Save(dir, "viewer-wrap-no-gutter");
  v.memo->SetHaveLeft(true);

  v.window.resize(760, 220);
  v.memo->setGeometry(0, 0, 760, 220);
  v.Layout(false, true);
  v.memo->StartSelection(6, 1, paneHexDigits);
  v.memo->ExtendSelection(20, 2);
  v.Save(dir, "viewer-hex-select-digits");
  v.memo->StartSelection(2, 1, paneHexChars);
  v.memo->ExtendSelection(7, 2);
  v.Save(dir, "viewer-hex-select-chars");

  v.window.resize(520, 220);
  v.memo->setGeometry(0, 0, 520, 220);
  v.Layout(false, false);
  v.memo->setFocus();
  v.memo->MoveCaret(6, 3, false); // a move without Shift drops any selection, so select after it
  v.memo->StartSelection(3, 1, paneText);
  v.memo->ExtendSelection(6, 3);
  v.Save(dir, "viewer-plain-select-caret");

  // The statistics window filled from the same comparison, both pages.
  TFormDorixChart chart;
  const TSettings styles;
  const TVDiff &d = v.diff;
  chart.SetFileCaptions(QStringLiteral("setup-new.txt"), QStringLiteral("setup-old.txt"));
  chart.FillNumbers(d.EqualChars, d.FirstChars, d.SecondChars, d.EqualChars + d.FirstChars,
                    d.EqualChars + d.SecondChars);
  chart.FillPie(d.EqualChars, d.FirstChars, d.SecondChars, styles.Light.Equal,
                styles.Light.Inserted, styles.Light.Deleted);
  chart.ApplyStyles(styles.Light.Inserted, styles.Light.Deleted, styles.Light.Updated,
                    styles.Light.Equal);
  chart.ApplyIgnoredStyle(styles.Light.Ignored);
  chart.ApplyMovedStyle(styles.Light.Moved);
  chart.show();
  if (!QTest::qWaitForWindowExposed(&chart))
    std::fprintf(stderr, "the statistics window was not exposed\n");
  chart.grab().save(dir + "/statistics-chart.png");
  chart.PageControl1->setCurrentIndex(1);
  chart.grab().save(dir + "/statistics-legend.png");
  std::printf("%s/statistics-chart.png\n%s/statistics-legend.png\n", qPrintable(dir),
              qPrintable(dir));
  // Two small slices beside a large one: their marks stand apart.
  chart.PageControl1->setCurrentIndex(0);
  chart.FillNumbers(100000, 30, 20, 100030, 100020);
  chart.FillPie(100000, 30, 20, styles.Light.Equal, styles.Light.Inserted, styles.Light.Deleted);
  SaveWindow(chart, dir, "statistics-small-slices");
  DecorationShots(v, dir);

  MainWindowShots(dir);
  Utf8Shots(dir);
  DesktopShots(dir);
  return 0;
}
