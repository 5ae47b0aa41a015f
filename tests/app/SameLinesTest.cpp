// The window and dorix-diff --lines build their lines with the same code: for the layout the
// window shows, the command prints the very lines the viewer holds.
#include "MainWindowFixture.h"

#include <QTabBar>

namespace {

class SameLines : public MainWindowFixture {
protected:
  // The viewer's lines in the command's format.
  QStringList ViewerLines() const {
    QStringList out;
    const TVLineModel &model = w->mm->Model();
    for (int i = 0; i < model.LineCount(); ++i) {
      const TVMemoLine &line = model.GetLine(i);
      QStringList zones;
      for (const TVMemoLineZone &zone : model.LineZones(i))
        zones << QStringLiteral("%1:%2").arg(zone.Kind).arg(zone.Length);
      out << QStringLiteral("%1\t%2\t%3\t%4")
                 .arg(line.FKind)
                 .arg(line.FStart)
                 .arg(line.FLength)
                 .arg(zones.join(','));
    }
    return out;
  }

  QStringList CommandLines(QStringList options) const {
    const TCommandRun run = RunCommand(options << QStringLiteral("--lines"));
    EXPECT_EQ(run.Status, 1);
    QStringList lines = QString::fromUtf8(run.Out).split('\n');
    lines.removeLast(); // after the last line's end
    return lines;
  }
};

TEST_F(SameLines, EveryLayoutAndViewOfTheWindow) {
  QByteArray first, second;
  for (int i = 0; i < 300; ++i) {
    const QByteArray line = "line " + QByteArray::number(i) + QByteArray(i % 97, 'x') + "\r\n";
    first += i % 7 == 0 ? "new " + line : line;
    second += i % 11 == 0 ? line + "old\r\n" : line;
  }
  Start(Write("a", first), Write("b", second));
  w->resize(500, 400);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle() && !w->mm->LayoutWidthChanged(); }));
  const int width = w->mm->Geometry().WrapWidth(w->mm->viewport()->width());
  const QString wrap = QStringLiteral("--width=%1").arg(width);
  const QString views[] = {"--view=both", "--view=new", "--view=old"};
  for (int view = 0; view < 3; ++view) {
    w->tsView->setCurrentIndex(view);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
    EXPECT_EQ(ViewerLines(), CommandLines({wrap, views[view]})) << "wrap, view " << view;
    w->ChangeWrapMode(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
    EXPECT_EQ(ViewerLines(), CommandLines({views[view]})) << "plain, view " << view;
    w->ChangeHexMode(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
    EXPECT_EQ(ViewerLines(), CommandLines({"--hex", views[view]})) << "hex, view " << view;
    w->ChangeHexMode(false);
    w->ChangeWrapMode(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  }
}

TEST_F(SameLines, Utf8TextWrappedByCells) {
  QByteArray first, second;
  for (int i = 0; i < 200; ++i) {
    const QByteArray line =
        "строка " + QByteArray::number(i) + " 中文\t" + QByteArray(i % 37, 'x') + " ещё\n";
    first += i % 7 == 0 ? "новая " + line : line;
    second += i % 11 == 0 ? line + "старая\n" : line;
  }
  Start(Write("a.txt", first), Write("b.txt", second));
  ASSERT_EQ(Panel(spCodePage), "UTF-8");
  w->resize(500, 400);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle() && !w->mm->LayoutWidthChanged(); }));
  const int width = w->mm->Geometry().WrapWidth(w->mm->viewport()->width());
  EXPECT_EQ(ViewerLines(), CommandLines({QStringLiteral("--width=%1").arg(width)}));
  w->ChangeWrapMode(false);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  EXPECT_EQ(ViewerLines(), CommandLines({}));
}

// Looking past line ends, spaces and case, the window and the command show the same bytes of
// each file in every view, and the same ignored runs.
TEST_F(SameLines, WhatIsLookedPastInEveryView) {
  QByteArray first, second;
  for (int i = 0; i < 200; ++i) {
    const QByteArray line = "Line " + QByteArray::number(i) + "  of  " + QByteArray(i % 31, 'x');
    first += (i % 5 == 0 ? line.toUpper() : line) + (i % 3 == 0 ? "\r\n" : "\n");
    second += (i % 13 == 0 ? "\t" + line + " changed" : line) + "\n";
  }
  Start(Write("a", first), Write("b", second));
  w->ChangeWrapMode(false);
  w->ChangeIgnore({true, true, false, true});
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  const QStringList options = {"--ignore-line-ends", "-b", "-i"};
  const QString views[] = {"--view=both", "--view=new", "--view=old"};
  for (int view = 0; view < 3; ++view) {
    w->tsView->setCurrentIndex(view);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
    EXPECT_EQ(ViewerLines(), CommandLines(QStringList(options) << views[view])) << "view " << view;
    EXPECT_TRUE(ViewerLines().join(',').contains("4:")) << "ignored runs, view " << view;
  }
}

} // namespace
