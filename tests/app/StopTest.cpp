// Stopping a run in each of its phases: the work ends, nothing of it is shown or counted, the
// window says so and compares again at the next command.
#include "FindDialog.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

namespace {

class Stop : public MainWindowFixture {
protected:
  QString a, b;

  void SetUp() override {
    MainWindowFixture::SetUp();
    a = Write("a", "alpha\r\nbeta\r\n" + Filler());
    b = Write("b", "alpha\r\ngamma\r\n" + Filler());
  }

  // What a person sees while the work is held: the stop button beside the bar, the menu item.
  void ExpectStoppable() {
    EXPECT_TRUE(w->Busy());
    EXPECT_TRUE(w->btnStop->isVisible());
    EXPECT_TRUE(w->mmFileStop->isEnabled());
  }

  void ExpectStopped() {
    Settle();
    EXPECT_EQ(w->Status(), csStopped);
    EXPECT_EQ(Panel(spStatus), "Сравнение прервано.");
    EXPECT_EQ(w->mm->Model().LineCount(), 0);
    EXPECT_EQ(w->Comparison(), nullptr);
    EXPECT_FALSE(w->ProgressBar1->isVisible());
    EXPECT_FALSE(w->btnStop->isVisible());
    EXPECT_FALSE(w->mmFileStop->isEnabled());
    EXPECT_EQ(w->FormDorixChart->lblEqu1->text(), "") << "no figures";
    EXPECT_EQ(w->FormDorixChart->lblA->text(), "");
    EXPECT_TRUE(w->FormDorixChart->Chart1->Slices().empty());
    QTest::qWait(20);
    EXPECT_EQ(w->Comparison(), nullptr) << "nothing of the stopped run arrives later";
  }

  // F5 compares again, from the files.
  void ExpectRefreshCompares() {
    const int reads = w->FileReads();
    QTest::keyClick(w.get(), Qt::Key_F5);
    Settle();
    EXPECT_EQ(w->FileReads(), reads + 2);
    EXPECT_EQ(w->Status(), csSimilar);
    EXPECT_GT(w->mm->Model().LineCount(), 40'000);
    EXPECT_EQ(Counts().FirstChars, 3) << "\"bet\" of \"beta\"";
    EXPECT_NE(w->FormDorixChart->lblEqu1->text(), "");
  }
};

TEST_F(Stop, InEachPhaseOfTheComparison) {
  Start(a, b);
  const std::pair<TComparisonPhase, std::function<void()>> phases[] = {
      {cpReadingActual, [&] { w->mmFileStop->trigger(); }},
      {cpReadingObsolete, [&] { w->btnStop->click(); }},
      {cpComparing, [&] { QTest::keyClick(w.get(), Qt::Key_Pause, Qt::ControlModifier); }},
  };
  for (const auto &[phase, stop] : phases) {
    SCOPED_TRACE(phase);
    const THold hold = DuringPhase(phase, [&] {
      ExpectStoppable();
      stop();
    });
    w->mmEditRefresh->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hold.ran->load(); }));
    ExpectStopped();
    w->OnWorkPhase = nullptr;
    ExpectRefreshCompares();
  }
}

// The lines are built after a comparison, and again after a resize.
TEST_F(Stop, WhileTheLinesAreBuilt) {
  Start(a, b);
  const std::function<void()> starts[] = {
      [&] { w->mmEditRefresh->trigger(); },
      [&] { w->resize(w->width() - 40, w->height()); },
  };
  for (const auto &start : starts) {
    const THold hold = DuringLineBuild([&] {
      ExpectStoppable();
      w->mmFileStop->trigger();
    });
    start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hold.ran->load(); }));
    ExpectStopped();
    w->mm->OnBuildStart = nullptr;
    ExpectRefreshCompares();
  }
}

TEST_F(Stop, CommandsThatWaitedForAStoppedRunAreDropped) {
  Start(a, b);
  DuringPhase(cpComparing, [&] {
    w->mmFormatHex->trigger(); // would compare again after the run
    w->mmFileStop->trigger();
  });
  w->mmEditRefresh->trigger();
  ExpectStopped();
  EXPECT_TRUE(w->HexMode()) << "the mode is taken, for the next comparison";
}

TEST_F(Stop, ClosingWhileTheLinesAreBuiltEndsCleanly) {
  Start(a, b);
  const THold hold = DuringLineBuild([&] { w->close(); });
  w->mmEditRefresh->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return hold.ran->load(); }));
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(w->Busy());
  w.reset(); // and the window goes while nothing runs
}

TEST_F(Stop, ASearchStopsAndTheTextStays) {
  Start(a, b);
  const int lines = w->mm->Model().LineCount();
  w->mm->OpenFindDialog();
  w->mm->FindDialog()->edFind->setText("not in the text");
  w->mm->FindDialog()->btnFind->click();
  ExpectStoppable();
  w->mmFileStop->trigger();
  Settle();
  EXPECT_EQ(w->Status(), csSimilar) << "a search is not a comparison";
  EXPECT_EQ(Panel(spStatus), "Файлы более-менее похожи.");
  EXPECT_EQ(w->mm->Model().LineCount(), lines);
  EXPECT_FALSE(w->btnStop->isVisible());
}

TEST_F(Stop, NothingToStopWhenIdle) {
  Start(a, b);
  EXPECT_FALSE(w->mmFileStop->isEnabled());
  w->StopRun();
  EXPECT_EQ(w->Status(), csSimilar);
  EXPECT_GT(w->mm->Model().LineCount(), 40'000);
}

} // namespace
