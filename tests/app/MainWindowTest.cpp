#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>

#include "FindDialog.h"
#include <QToolButton>

namespace {

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, NoArgumentsSaysBothFilesAreMissing) {
  Start();
  EXPECT_EQ(Panel(spStatus), "Оба файла не заданы.");
  EXPECT_FALSE(w->mm->hasFocus());
  EXPECT_EQ(w->FileReads(), 0);
  EXPECT_EQ(w->FormDorixChart->lblEqu1->text(), " 0 ");
  EXPECT_EQ(w->FormDorixChart->Chart1->Slices().size(), 1u);
}

TEST_F(MainWindow, OneArgumentNamesTheMissingSecondFile) {
  Start(Write("a.txt", "text\r\n"));
  EXPECT_EQ(Panel(spStatus), "Устаревший файл не задан.");
  EXPECT_TRUE(w->mm->hasFocus());
}

TEST_F(MainWindow, MissingFileIsReportedAndTheStatusSaysItCouldNotBeRead) {
  const QString missing = dir.filePath("missing.txt");
  const QString present = Write("b.txt", "text");
  Start(missing, present);
  EXPECT_EQ(messages, QStringList{"Не удаётся открыть файл " + missing});
  EXPECT_EQ(Panel(spStatus), "Ошибка чтения актуального.") << "not an empty file";
  EXPECT_EQ(Counts().SecondChars, 4) << "the other file is shown whole";
  messages.clear();
  w->OpenPair(present, missing);
  Settle();
  EXPECT_EQ(Panel(spStatus), "Ошибка чтения устаревшего.");
}

TEST_F(MainWindow, OutcomesOfIdenticalSimilarAndDissimilarFiles) {
  Start(Write("a", "same\r\ntext\r\n"), Write("b", "same\r\ntext\r\n"));
  EXPECT_EQ(Panel(spStatus), "Файлы совершенно одинаковы.");
  EXPECT_EQ(w->Status(), csIdentical);
  w.reset();
  Start(Write("c", "ab\r\nc"), Write("d", "ab\r\nc"));
  EXPECT_EQ(Panel(spStatus), "Файлы более-менее похожи.");
  w.reset();
  Start(Write("e", "x"), Write("f", "x"));
  EXPECT_EQ(Panel(spStatus), "Файлы абсолютно не похожи.");
}

TEST_F(MainWindow, WrapAndHexRelayOutWithoutReadingAndOemOnlyRepaints) {
  std::string longLine(300, 'q');
  Start(Write("a", QByteArray::fromStdString(longLine + "\r\nnew")),
        Write("b", QByteArray::fromStdString(longLine + "\r\nold")));
  ASSERT_TRUE(w->WrapMode());
  const int reads = w->FileReads();
  const int wrapped = w->mm->Model().LineCount();

  w->mmFormatWrap->trigger(); // F2
  EXPECT_FALSE(w->WrapMode());
  EXPECT_LT(w->mm->Model().LineCount(), wrapped);
  EXPECT_EQ(Panel(spWrap), "UnWrap");
  EXPECT_FALSE(w->chkWrapMode->isChecked());
  EXPECT_FALSE(w->mmFormatWrap->isChecked());

  w->chkHexMode->click();
  EXPECT_TRUE(w->HexMode());
  EXPECT_EQ(w->mm->CurrentLayoutMode(), lmHex);
  EXPECT_EQ(Panel(spLayout), "Hex");
  EXPECT_TRUE(w->mmFormatHex->isChecked());

  const int hexLines = w->mm->Model().LineCount();
  w->mmFormatDOS->trigger(); // F8
  EXPECT_TRUE(w->OEMMode());
  EXPECT_TRUE(w->mm->OemMode());
  EXPECT_TRUE(w->chkDosMode->isChecked());
  EXPECT_EQ(Panel(spCodePage), "DOS");
  EXPECT_EQ(w->mm->Model().LineCount(), hexLines);
  EXPECT_EQ(w->FileReads(), reads) << "no file was read again";
  EXPECT_EQ(w->Status(), csSimilar);
}

// Files chosen after the start (the menu entry starts without any) wrap at the window's width
// after every resize, as files named on the command line do.
TEST_F(MainWindow, WrapFollowsTheWindowWhicheverWayTheFilesCame) {
  Start();
  QByteArray text;
  for (int i = 0; i < 40; ++i)
    text += "a long line " + QByteArray(120, 'x') + " " + QByteArray::number(i) + "\n";
  w->OpenPair(Write("a.txt", text), Write("b.txt", text + "end\n"));
  Settle();
  for (const int width : {700, 420}) {
    w->resize(width, w->height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle() && !w->mm->LayoutWidthChanged(); }));
    const int wrap = w->mm->Geometry().WrapWidth(w->mm->viewport()->width());
    EXPECT_EQ(w->mm->Model().MaxLineLength(), wrap) << "the lines fit the new width " << width;
    EXPECT_EQ(w->mm->horizontalScrollBar()->maximum(), 0) << "no horizontal bar";
  }
}

TEST_F(MainWindow, RefreshReadsBothFilesAgain) {
  const QString a = Write("a", "one\r\n"), b = Write("b", "two\r\n");
  Start(a, b);
  const int reads = w->FileReads();
  w->CompareFiles();
  EXPECT_EQ(w->FileReads(), reads) << "nothing changed, nothing read";
  Write("a", "two\r\n");
  w->mmEditRefresh->trigger(); // F5
  EXPECT_EQ(w->FileReads(), reads + 2);
  EXPECT_EQ(Panel(spStatus), "Файлы совершенно одинаковы.");
}

TEST_F(MainWindow, SwapWithOneEmptyName) {
  const QString a = Write("a", "text");
  Start(a);
  w->mmEditExchangeFiles->trigger(); // F6
  EXPECT_EQ(w->ActualPFN(), "");
  EXPECT_EQ(w->ObsoletePFN(), a);
  EXPECT_EQ(w->edActualCaption->text(), "");
  EXPECT_EQ(w->edObsoleteCaption->text(), a);
  EXPECT_EQ(Panel(spStatus), "Актуальный файл не задан.");
  // The temporary folder's path is longer than the statistics page has room for.
  EXPECT_TRUE(w->FormDorixChart->lblSecondCaption->text().endsWith("/a)"));
  EXPECT_EQ(w->FormDorixChart->lblSecondCaption->toolTip(), a);
}

TEST_F(MainWindow, StatusBarHitTestAndDoubleClick) {
  Start();
  EXPECT_EQ(w->StatusBar1->PanelAt(76), 1);
  EXPECT_EQ(w->StatusBar1->PanelAt(82), 2);
  EXPECT_EQ(w->StatusBar1->PanelAt(3), 0);
  EXPECT_EQ(w->StatusBar1->PanelAt(200), 4);
  QTest::mouseDClick(w->StatusBar1, Qt::LeftButton, {}, QPoint(76, 5));
  EXPECT_FALSE(w->WrapMode());
  EXPECT_EQ(Panel(spWrap), "UnWrap");
  QTest::mouseDClick(w->StatusBar1, Qt::LeftButton, {}, QPoint(82, 5));
  EXPECT_TRUE(w->OEMMode());
}

TEST_F(MainWindow, CaptionsTakeTwoRowsWhenNarrow) {
  Start();
  const QString longName = QString(60, 'n');
  w->SetActualCaption(longName);
  w->SetObsoleteCaption(longName);
  w->resize(300, 400);
  QApplication::processEvents();
  w->LayoutCaptions();
  EXPECT_EQ(w->pnlTop->height(), 57);
  EXPECT_EQ(w->stObsolete->pos(), QPoint(4, 32));
  EXPECT_EQ(w->edObsoleteCaption->y(), 32);
  const int a = w->fontMetrics().horizontalAdvance(longName) + 5;
  w->resize(2 * a + 74 + 40, 400);
  QApplication::processEvents();
  w->LayoutCaptions();
  EXPECT_EQ(w->pnlTop->height(), 33);
  EXPECT_EQ(w->stObsolete->pos(), QPoint(4 + 25 + 4 + a + 8, 8));
  EXPECT_EQ(w->edActualCaption->width(), a);
}

TEST_F(MainWindow, EscapeClosesAndSettingsAreWritten) {
  Start();
  w->mmFormatHex->trigger();
  w->move(50, 60);
  QTest::keyClick(w.get(), Qt::Key_Escape);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(StoredValue("HexMode"), "1");
  EXPECT_EQ(StoredValue("WrapMode"), "1");
  EXPECT_EQ(StoredValue("StyleDeleted"), "($00000000,[],$00FF8800)");
  EXPECT_EQ(StoredValue("FormLeft").toInt(), w->geometry().left());

  Start(); // the next start takes the modes back
  EXPECT_TRUE(w->HexMode());
  EXPECT_EQ(Panel(spLayout), "Hex");
}

TEST_F(MainWindow, CommandsDuringARunNeverStartANestedRun) {
  const QString a = Write("a", "alpha\r\nbeta\r\n" + Filler());
  const QString b = Write("b", "alpha\r\ngamma\r\n" + Filler());
  Start(a, b);
  const int reads = w->FileReads();
  bool checked = false;
  DuringPhase(cpReadingObsolete, [&] {
    const int before = w->FileReads();
    w->StartupCompare(); // a refresh while this one reads
    w->ChangeWrapMode(false);
    EXPECT_EQ(w->FileReads(), before) << "nothing started inside the running comparison";
    checked = true;
  });
  w->StartupCompare();
  ASSERT_TRUE(QTest::qWaitFor([&] { return checked; }));
  Settle();
  EXPECT_EQ(w->FileReads(), reads + 4);
  EXPECT_EQ(w->mm->CurrentLayoutMode(), lmPlain);
  EXPECT_EQ(Panel(spStatus), "Файлы более-менее похожи.");
  EXPECT_EQ(Panel(spWrap), "UnWrap");
}

// The elapsed time is the engine's: counted from when the files are loaded, and shown in panel 1
// only while the engine works; the lines built after it leave the wrap mode there.
TEST_F(MainWindow, PanelOneShowsTheEnginesTimeAndThenTheWrapModeAgain) {
  Start(Write("a", "one\r\n" + Filler()), Write("b", "two\r\n" + Filler()));
  QString comparing, laying;
  const THold hold;
  w->OnWorkPhase = [&](TComparisonPhase phase, const std::stop_token &stop) {
    if (phase == cpReadingObsolete) // a slow disk: the reading takes over a second
      std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    if (phase == cpComparing)
      hold(
          w.get(),
          [&] {
            ASSERT_TRUE(QTest::qWaitFor([&] { return Panel(spWrap) != "Wrap"; }));
            comparing = Panel(spWrap);
          },
          stop);
  };
  DuringLineBuild([&] { laying = Panel(spWrap); });
  w->mmEditRefresh->trigger();
  Settle();
  EXPECT_TRUE(comparing.endsWith("00")) << comparing.toStdString() << ": not the reading's second";
  EXPECT_TRUE(comparing.contains(':'));
  EXPECT_EQ(laying, "Wrap");
  EXPECT_EQ(Panel(spWrap), "Wrap");
}

TEST_F(MainWindow, ClosingDuringARunStopsItAndSavesOnce) {
  Start(Write("a", "one\r\n" + Filler()), Write("b", "two\r\n" + Filler()));
  const THold hold = DuringPhase(cpComparing, [&] { w->close(); });
  w->mmEditRefresh->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return hold.ran->load(); }));
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(StoredValue("KeepModes"), "1");
  EXPECT_FALSE(w->Busy()) << "the comparison stopped with the window";
  EXPECT_EQ(w->Status(), csStopped);
  EXPECT_EQ(w->ProgressBar1->isVisible(), false);
  QTest::qWait(20);
  EXPECT_EQ(w->Comparison(), nullptr) << "nothing of the stopped run arrives later";
}

TEST_F(MainWindow, StatisticsWindowOpensBesideTheMainWindow) {
  Start(Write("a", "same\r\nnew\r\n"), Write("b", "same\r\nold\r\n"));
  w->btnChart->click();
  EXPECT_TRUE(w->FormDorixChart->isVisible());
  EXPECT_EQ(w->FormDorixChart->frameGeometry().topLeft(),
            w->frameGeometry().topLeft() + QPoint(30, 30));
  EXPECT_EQ(w->FormDorixChart->lblA->text(), " 11 ");
  EXPECT_EQ(w->FormDorixChart->lblEqu1->text(), " 8 ");
}

TEST_F(MainWindow, StylesReachTheSwatchesAndViewer) {
  {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    store.setValue("StyleInserted", "($00000000,[B],$000000FF)");
    store.setValue("StyleEqual", "($00000000,[],$00C0C0C0)");
  }
  Start();
  EXPECT_EQ(w->stActual->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(w->mm->Color(), 0xC0C0C0u);
  EXPECT_EQ(w->Settings().Light.Inserted.FontStyle, fsBold);
}

// Underlined inserted text and struck-out deleted text, as the window shows them: a line of ink
// under the one and through the other, along their text only.
TEST_F(MainWindow, UnderlineAndStrikeOutStylesAreDrawn) {
  {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    store.setValue("StyleInserted", "($00000000,[U],$00C888FF)");
    store.setValue("StyleDeleted", "($00000000,[O],$00FF8800)");
  }
  for (const QByteArray &letter : {QByteArray("\xE9"), QByteArray("й")}) { // cp1251, UTF-8
    Start(Write("new.txt", "shared text " + letter.repeated(8) + "\nend\n"),
          Write("old.txt", "shared text " + QByteArray(8, ' ') + "\nend\n"));
    w->ChangeWrapMode(false);
    Settle();
    const TVCellGeometry g = w->mm->Geometry();
    const QRect viewport(w->mm->viewport()->mapTo(w.get(), QPoint(0, 0)),
                         w->mm->viewport()->size());
    const QImage image = w->grab(viewport).toImage();
    // The changed cells: deleted blanks, then inserted letters, on the first line.
    const auto ink = [&](std::int32_t fromCol, int y0, int y1, QRgb background) {
      int n = 0;
      for (int x = static_cast<int>(g.ColumnX(paneText, fromCol));
           x < g.ColumnX(paneText, fromCol + 8); ++x)
        for (int y = y0; y < y1; ++y)
          n += (image.pixel(x, y) & 0xFFFFFF) != background;
      return n;
    };
    const int h = w->mm->LineHeight();
    EXPECT_GE(ink(12, h / 3, 2 * h / 3, 0x0088FF), 6 * w->mm->CharWidth())
        << "the deleted blanks are struck out";
    EXPECT_GE(ink(20, 3 * h / 4, h, 0xFF88C8), 6 * w->mm->CharWidth())
        << "the inserted letters are underlined";
    w.reset();
  }
}

TEST_F(MainWindow, StartupGoesToTheFirstDifferenceWhenSimilar) {
  QByteArray same;
  for (int i = 0; i < 60; ++i)
    same += "same line\r\n";
  Start(Write("a", same + "new\r\n" + same), Write("b", same + "old\r\n" + same));
  EXPECT_EQ(w->Status(), csSimilar);
  EXPECT_EQ(w->mm->Caret().Line, 60);
  EXPECT_EQ(w->mm->TopLine(), 60 - w->mm->VisibleLines() + 1);
  w->btnPrevDiff->click(); // the viewer has the focus: up one band, to the Equal band above
  EXPECT_EQ(w->mm->Caret().Line, 59);
  w->btnNextDiff->click();
  EXPECT_EQ(w->mm->Caret().Line, 60);
}

TEST_F(MainWindow, EscapeClosesTheFindDialogFirst) {
  Start(Write("a", "text"), Write("b", "text"));
  w->mmEditFind->trigger();
  ASSERT_TRUE(w->mm->FindDialogOpen());
  w->activateWindow();
  w->mmFileExit->trigger(); // Escape
  EXPECT_FALSE(w->mm->FindDialogOpen());
  EXPECT_TRUE(w->isVisible());
  w->mmFileExit->trigger();
  EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindow, MenuFindNextSaysNotFoundWithoutTheExtraWord) {
  Start(Write("a", "alpha"), Write("b", "alpha"));
  QStringList viewerMessages;
  w->mm->ShowMessage = [&](const QString &text) { viewerMessages << text; };
  w->mmEditFind->trigger();
  w->mm->FindDialog()->SetFindText("zeta");
  w->mm->FindDialogFind();
  w->mmEditFindNext->trigger();
  EXPECT_EQ(viewerMessages, (QStringList{"строка 'zeta' не найдена", "строка 'zeta' не найдена"}));
}

TEST_F(MainWindow, ToolBarBoxesLeaveTheFocusInTheText) {
  QByteArray lines;
  for (int i = 0; i < 200; ++i)
    lines += "line " + QByteArray::number(i) + "\r\n";
  Start(Write("a", lines + "new"), Write("b", lines + "old"));
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  ASSERT_TRUE(w->mm->hasFocus());
  QTest::mouseClick(w->chkWrapMode, Qt::LeftButton);
  ASSERT_FALSE(w->WrapMode());
  EXPECT_TRUE(w->mm->hasFocus());
  const int top = w->mm->TopLine();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
  EXPECT_LT(w->mm->TopLine(), top) << "the keys still reach the text";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_FALSE(w->WrapMode()) << "Space does not toggle the box";
}

TEST_F(MainWindow, CaptionsShowTheStartOfALongPath) {
  QDir(dir.path()).mkpath("a/very/long/folder/name/that/does/not/fit/the/caption/field");
  const QString a =
      Write("a/very/long/folder/name/that/does/not/fit/the/caption/field/new.txt", "x\r\n");
  Start(a, Write("b", "x\r\n"));
  EXPECT_EQ(w->edActualCaption->cursorPosition(), 0);
  w->btnExchClick();
  EXPECT_EQ(w->edObsoleteCaption->text(), a);
  EXPECT_EQ(w->edObsoleteCaption->cursorPosition(), 0);
}

} // namespace
