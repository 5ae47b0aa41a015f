// A rebuild of the lines and a comparison are one busy state: both let events through, and a
// command that comes meanwhile is applied after them, never inside.
#include "FormDorixCfgUnit.h"
#include "FormDorixOpenUnit.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace {

class BusyState : public MainWindowFixture {
protected:
  QString a, b;

  // Thousands of chunks, megabytes of text: the re-wrap runs on a thread of its own.
  void StartLarge() {
    QByteArray first, second;
    for (int i = 0; i < 30000; ++i) {
      const QByteArray line = "line " + QByteArray::number(i) + " of the text both files share\r\n";
      first += line;
      second += line;
      if (i % 20 == 0) {
        first += "new " + QByteArray::number(i) + "\r\n";
        second += "old\r\n";
      }
    }
    a = Write("a", first);
    b = Write("b", second);
    Start(a, b);
    ASSERT_EQ(w->Status(), csSimilar);
  }

  // Resizes the window and gives the command while the re-wrap that follows is under way, as a
  // key pressed meanwhile would come; then waits until the window shows done.
  void DuringARewrap(const std::function<void()> &command, const std::function<bool()> &done) {
    bool inside = false;
    const THold hold = DuringLineBuild([&] {
      inside = w->mm->Building();
      command();
    });
    w->resize(w->width() - 40, w->height());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return hold.ran->load() && w->Idle() && done(); }, kRunWaitMs));
    w->mm->OnBuildStart = nullptr;
    EXPECT_TRUE(inside) << "the command came while the lines were rebuilt";
    EXPECT_FALSE(w->mm->LayoutWidthChanged()) << "the lines fit the new width";
    const int lines = w->mm->Model().LineCount();
    w->mm->Relayout();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->mm->Building(); }, kRunWaitMs));
    EXPECT_EQ(w->mm->Model().LineCount(), lines) << "the lines are those of one whole build";
  }
};

TEST_F(BusyState, RefreshDuringARewrapComparesAfterIt) {
  StartLarge();
  const int reads = w->FileReads();
  DuringARewrap([&] { w->mmEditRefresh->trigger(); }, [&] { return w->FileReads() == reads + 2; });
  EXPECT_EQ(Panel(spStatus), "Файлы более-менее похожи.");
  EXPECT_GT(w->mm->Model().LineCount(), 31500);
}

TEST_F(BusyState, SwapDuringARewrapComparesTheSwappedFiles) {
  StartLarge();
  const std::int32_t inserted = Counts().FirstChars, deleted = Counts().SecondChars;
  DuringARewrap([&] { w->mmEditExchangeFiles->trigger(); }, [&] { return w->ActualPFN() == b; });
  EXPECT_EQ(Counts().FirstChars, deleted);
  EXPECT_EQ(Counts().SecondChars, inserted);
}

TEST_F(BusyState, ModeTogglesDuringARewrapShowTheNewLayout) {
  StartLarge();
  DuringARewrap([&] { w->mmFormatWrap->trigger(); }, [&] { return !w->WrapMode(); });
  EXPECT_EQ(w->mm->CurrentLayoutMode(), lmPlain);
  EXPECT_EQ(Panel(spWrap), "UnWrap");
  w->mmFormatWrap->trigger();
  DuringARewrap([&] { w->mmFormatHex->trigger(); }, [&] { return w->HexMode(); });
  EXPECT_EQ(w->mm->CurrentLayoutMode(), lmHex);
  EXPECT_EQ(Panel(spLayout), "Hex");
}

TEST_F(BusyState, AViewTabDuringARewrapFiltersTheLines) {
  StartLarge();
  DuringARewrap([&] { w->tsView->setCurrentIndex(1); }, [&] { return w->Comparison() != nullptr; });
  for (int i = 0; i < w->mm->Model().LineCount(); ++i)
    for (const TVMemoLineZone &zone : w->mm->Model().LineZones(i))
      ASSERT_NE(zone.Kind, 2) << "a Deleted zone on line " << i;
}

TEST_F(BusyState, OpeningFilesDuringARewrapComparesThem) {
  StartLarge();
  const QString c = Write("c", "same\r\nnew\r\n"), d = Write("d", "same\r\nold\r\n");
  DuringARewrap(
      [&] {
        WhenModal<TFormDorixOpen>([&](TFormDorixOpen &dialog) {
          dialog.edActualPFN->setText(c);
          dialog.edObsoletePFN->setText(d);
          dialog.btnOk->click();
        });
        w->mmFileOpen->trigger();
      },
      [&] { return w->ActualPFN() == c && Counts().EqualChars == 8; });
  EXPECT_EQ(w->mm->Caret().Line, 1) << "at the first difference";
}

// A command that wants the jump to the first difference gets it from the run that serves it,
// also when it came during another run.
TEST_F(BusyState, TheJumpFollowsTheRunThatServesTheCommand) {
  QByteArray same;
  for (int i = 0; i < 40; ++i)
    same += "same line\r\n";
  const QString identical = Write("same", same);
  Start(identical, Write("copy", same));
  ASSERT_EQ(w->Status(), csIdentical);
  const QString c = Write("c", same + "new\r\n"), d = Write("d", same + "old\r\n");
  QTimer::singleShot(0, w.get(), [&] {
    WhenModal<TFormDorixOpen>([&](TFormDorixOpen &dialog) {
      dialog.edActualPFN->setText(c);
      dialog.edObsoletePFN->setText(d);
      dialog.btnOk->click();
    });
    w->mmFileOpen->trigger();
  });
  w->mmFormatWrap->trigger(); // a run that rebuilds the lines; the choice comes during it
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle() && w->Status() == csSimilar; }, kRunWaitMs));
  EXPECT_EQ(w->mm->Caret().Line, 40);
}

TEST_F(BusyState, SettingsConfirmedDuringARunCompareAfresh) {
  StartLarge();
  const int reads = w->FileReads();
  QTimer::singleShot(0, w.get(), [&] {
    WhenModal<TFormDorixCfg>([](TFormDorixCfg &dialog) { dialog.btnOk->click(); });
    w->mmFormatProp->trigger();
  });
  w->mmFormatWrap->trigger();
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return w->Idle() && w->FileReads() == reads + 2; }, kRunWaitMs));
}

} // namespace
