// Bad input of every kind through the main window: each ends in a clear message or a sound
// default, never a crash, and the compared files are never written.
#include "MainWindowFixture.h"
#include "Placement.h"

#include <QAction>
#include <QProcess>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class BadInput : public MainWindowFixture {
protected:
  void Compare(const QString &first, const QString &second) {
    messages.clear();
    w->ChangeActualPFN(first);
    w->SetActualCaption(first);
    w->ChangeObsoletePFN(second);
    w->SetObsoleteCaption(second);
    w->StartupCompare();
    Settle();
  }
};

TEST_F(BadInput, NamesThatAreNotFilesGiveAMessageAndAreNotCompared) {
  Start();
  const QString good = Write("good", "text");
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString sparse = Write("sparse", {});
  ASSERT_EQ(::truncate(QFile::encodeName(sparse).constData(), qint64{1} << 31), 0);
  written.pop_back(); // its size was changed on purpose

  for (const QString &bad :
       {dir.path(), fifo, QStringLiteral("/dev/zero"), sparse, QStringLiteral("/proc/self/mem")}) {
    Compare(bad, good);
    EXPECT_EQ(messages, QStringList{"Не удаётся прочитать файл " + bad}) << bad.toStdString();
    EXPECT_EQ(Panel(spStatus), "Ошибка чтения актуального.") << bad.toStdString();
  }
  Compare(good, dir.filePath("missing"));
  EXPECT_EQ(messages, QStringList{"Не удаётся открыть файл " + dir.filePath("missing")});
  EXPECT_EQ(Panel(spStatus), "Ошибка чтения устаревшего.");
}

TEST_F(BadInput, AnyContentIsShown) {
  Start();
  QByteArray all;
  for (int c = 0; c < 256; ++c)
    all += static_cast<char>(c);
  const std::pair<QByteArray, QByteArray> rows[] = {
      {QByteArray("a\0b\0c", 5), QByteArray("a\0b\0d", 5)},
      {all, all + all},
      {"x", "x"},
      {"one\rtwo\rthree\r", "one\rTWO\rthree\r"},
      {"one\ntwo\nthree\n", "one\nTWO\nthree\n"},
      {QByteArray(2'000'000, '\n'), QByteArray(2'000'000, '\n')},
      {QByteArray("\r\n").repeated(1'000'000), QByteArray("\r\n").repeated(1'000'001)},
  };
  int i = 0;
  for (const auto &[first, second] : rows) {
    ++i;
    const QString f = Write(QString("f%1").arg(i), first), s = Write(QString("s%1").arg(i), second);
    for (const bool hex : {false, true}) {
      w->ChangeHexMode(hex);
      Compare(f, s);
      EXPECT_TRUE(messages.isEmpty());
      EXPECT_GE(w->mm->Model().LineCount(), 1);
      EXPECT_EQ(Counts().EqualChars + Counts().FirstChars, first.size()) << "row " << i;
    }
  }
  EXPECT_EQ(w->mm->Model().LineCount(), 2'000'002 / 16 + 1) << "a million line breaks as hex rows";
}

TEST_F(BadInput, AFiftyMegabyteLineInThePlainAndWrapLayouts) {
  QByteArray line(50 << 20, 'q');
  const QString first = Write("first", line);
  line[line.size() / 2] = 'z';
  Start(first, Write("second", line));
  EXPECT_EQ(w->Status(), csSimilar);
  EXPECT_GT(w->mm->Model().LineCount(), 1000) << "wrapped";
  w->ChangeWrapMode(false);
  Settle();
  EXPECT_EQ(w->mm->Model().LineCount(), 1);
  EXPECT_GT(w->mm->grab().width(), 0); // painting one line of 50 MB
}

TEST_F(BadInput, SettingsOutOfRangeStillGiveAWindowOnScreen) {
  for (const auto &[left, top, size] :
       {std::tuple{-50000, -50000, 0}, std::tuple{90000, 90000, 100000}}) {
    {
      QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
      store.setValue("FormLeft", left);
      store.setValue("FormTop", top);
      store.setValue("FormWidth", size > 0 ? 100000 : -5);
      store.setValue("FormHeight", size > 0 ? 100000 : 0);
      store.setValue("FontSize", size);
    }
    Start();
    bool onSomeScreen = false;
    for (const QScreen *screen : QGuiApplication::screens())
      onSomeScreen = onSomeScreen || screen->availableGeometry().intersects(w->geometry());
    EXPECT_TRUE(onSomeScreen) << w->geometry().x() << "," << w->geometry().y();
    EXPECT_LE(w->width(), QGuiApplication::primaryScreen()->availableGeometry().width());
    EXPECT_EQ(w->Settings().FontSize, 10) << "a size no font can have keeps the default";
    w->close();
    w.reset();
  }
}

TEST_F(BadInput, PlacementStaysWhereAScreenCanShowIt) {
  const QVector<QRect> screens{{0, 0, 1024, 768}, {1024, 0, 800, 600}};
  EXPECT_EQ(OnScreen({100, 100, 500, 400}, screens), QRect(100, 100, 500, 400));
  EXPECT_EQ(OnScreen({1500, 100, 500, 400}, screens), QRect(1500, 100, 500, 400));
  EXPECT_EQ(OnScreen({5000, 5000, 500, 400}, screens), QRect(0, 0, 500, 400));
  EXPECT_EQ(OnScreen({-600, 10, 100000, 5}, screens), QRect(-600, 10, 1024, 100));
}

TEST_F(BadInput, AnUnreadableStoreStartsWithDefaultsAndCloses) {
  // The store's file is a folder: it can be neither read nor written.
  ASSERT_TRUE(QDir().mkpath(dir.filePath("config/Morvane/Dorix.conf")));
  Start();
  EXPECT_EQ(w->Settings(), LoadSettings(*std::make_unique<QSettings>(dir.filePath("nothing"),
                                                                     QSettings::IniFormat),
                                        w->Settings().FontSize,
                                        QRect(w->Settings().FormLeft, w->Settings().FormTop,
                                              w->Settings().FormWidth, w->Settings().FormHeight)));
  EXPECT_TRUE(w->close());
}

TEST_F(BadInput, AStormOfCommandsDuringARunEndsInTheStateOfTheLast) {
  const QString a = Write("a", "alpha\r\nbeta\r\n" + Filler());
  const QString b = Write("b", "alpha\r\ngamma\r\n" + Filler());
  Start(a, b);
  const int reads = w->FileReads();
  int inside = -1;
  DuringPhase(cpComparing, [&] {
    inside = w->FileReads();
    w->StartupCompare();
    w->btnExchClick();
    w->mmFormatWrap->trigger();
    w->mmFormatHex->trigger();
    w->mmFormatHex->trigger();
    w->mmFormatHex->trigger();
    w->resize(300, 300);
    w->mmFormatDOS->trigger();
    EXPECT_EQ(w->FileReads(), inside) << "no comparison started inside the running one";
  });
  w->StartupCompare();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle() && !w->NeedsUpdate(); }));
  EXPECT_GE(inside, 0) << "the commands came during the run";
  EXPECT_EQ(w->ActualPFN(), b);
  EXPECT_EQ(w->ObsoletePFN(), a);
  EXPECT_FALSE(w->WrapMode());
  EXPECT_TRUE(w->HexMode());
  EXPECT_TRUE(w->OEMMode());
  EXPECT_EQ(w->mm->CurrentLayoutMode(), lmHex);
  EXPECT_EQ(Panel(spStatus), "Файлы более-менее похожи.");
  EXPECT_GT(w->FileReads(), reads + 2);
  EXPECT_EQ(Counts().FirstChars, 4) << "the swapped files were compared: \"gamm\" is now first";
}

// The sanitizers' own reservations do not fit a memory limit.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
TEST_F(BadInput, RunningOutOfMemoryEndsWithTheCleanUpAndAMessage) {
  // Files that can be read but whose short lines take more room laid out than is left.
  const QByteArray text = QByteArray("line\r\n").repeated((64 << 20) / 6);
  const QString a = Write("a", text), b = Write("b", text);
  QProcess child;
  child.start(QStringLiteral(OUT_OF_MEMORY_CHILD), {a, b});
  ASSERT_TRUE(child.waitForFinished(120'000));
  EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
}
#endif

} // namespace
