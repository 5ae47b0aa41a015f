// What the main window does for a desktop user beyond the comparison: its title, the recent
// pairs of the "Файл" menu, files dropped on it, the bar that says a compared file changed on
// disk, and the menus' keyboard access.
#include "FileChangeBar.h"
#include "GreyedItems.h"
#include "MainWindowFixture.h"
#include "RecentPairs.h"

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

namespace {

class Desktop : public MainWindowFixture {
protected:
  // Drops urls (or, with none, the text) on a control of the window, as a file manager would.
  void Drop(QWidget *on, const QStringList &files, const QString &text = {}) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &f : files)
      urls << QUrl::fromLocalFile(f);
    if (!urls.isEmpty())
      data.setUrls(urls);
    if (!text.isEmpty())
      data.setText(text);
    const QPointF at = on->mapTo(w.get(), on->rect().center());
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.get(), &enter);
    EXPECT_TRUE(enter.isAccepted()) << "the window lets every drag in";
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.get(), &drop);
    QCoreApplication::processEvents(); // the drop's work follows it
    Settle();
  }

  QStringList RecentCaptions() const {
    QStringList captions;
    for (const QAction *item : w->mmRecentItems)
      captions << item->text();
    return captions;
  }

  // Alt with a Cyrillic letter, as a Russian keyboard sends it.
  void PressAlt(int key, const QString &text) {
    for (const auto action : {QTest::Press, QTest::Release})
      QTest::sendKeyEvent(action, w.get(), Qt::Key(key), text, Qt::AltModifier);
  }

  QStringList StoredPairs() {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    return store.value(kRecentPairsKey).toStringList();
  }
};

TEST_F(Desktop, TheTitleNamesTheFilesBeforeTheCaption) {
  Start();
  EXPECT_EQ(w->windowTitle(), "Сравнение содержимого файлов");
  const QString a = Write("new.txt", "a\r\n"), b = Write("old.txt", "b\r\n");
  w->OpenPair(a, b);
  Settle();
  EXPECT_EQ(w->windowTitle(), "new.txt ↔ old.txt — Сравнение содержимого файлов");
  w->btnExchClick();
  Settle();
  EXPECT_EQ(w->windowTitle(), "old.txt ↔ new.txt — Сравнение содержимого файлов");
  w->OpenPair(a, {});
  Settle();
  EXPECT_EQ(w->windowTitle(), "new.txt — Сравнение содержимого файлов");
}

TEST_F(Desktop, RecentPairsAreTheLastEightComparedNewestFirstAndKept) {
  QStringList files;
  for (int i = 0; i < 10; ++i)
    files << Write(QStringLiteral("f%1.txt").arg(i), "text " + QByteArray::number(i) + "\r\n");
  Start(files[0], files[1]);
  EXPECT_EQ(RecentCaptions(), QStringList{"&1 f0.txt ↔ f1.txt"});
  EXPECT_EQ(StoredPairs(), (QStringList{files[0], files[1]})) << "kept at once, full names";
  for (int i = 1; i < 10; ++i) {
    w->OpenPair(files[i], files[i - 1]);
    Settle();
  }
  ASSERT_EQ(w->RecentPairs().size(), kMaxRecentPairs);
  EXPECT_EQ(RecentCaptions().first(), "&1 f9.txt ↔ f8.txt");
  EXPECT_EQ(RecentCaptions().last(), "&8 f2.txt ↔ f1.txt");
  EXPECT_EQ(w->mmRecentItems[0]->toolTip(),
            "Новая версия: " + files[9] + "\nСтарая версия: " + files[8]);

  w->OpenRecentPair(7); // the oldest comes first again, once
  Settle();
  EXPECT_EQ(w->ActualPFN(), files[2]);
  EXPECT_EQ(RecentCaptions().first(), "&1 f2.txt ↔ f1.txt");
  EXPECT_EQ(RecentCaptions().size(), kMaxRecentPairs);
  EXPECT_EQ(RecentCaptions().count("&1 f2.txt ↔ f1.txt") +
                RecentCaptions().count("&8 f2.txt ↔ f1.txt"),
            1);

  // A new window reads them back; a comparison that could not read a file adds nothing.
  w.reset();
  Start(files[5], dir.filePath("missing.txt"));
  EXPECT_EQ(RecentCaptions().first(), "&1 f2.txt ↔ f1.txt");
  EXPECT_EQ(w->RecentPairs().size(), kMaxRecentPairs);

  w->mmRecentClear->trigger();
  EXPECT_TRUE(w->mmRecentItems.isEmpty());
  EXPECT_FALSE(w->mmRecentClear->isVisible()) << "nothing to clear: the section goes";
  EXPECT_TRUE(StoredPairs().isEmpty());
}

TEST_F(Desktop, APairWhoseFileIsGoneIsGreyedAndRefused) {
  const QString a = Write("a.txt", "one\r\n"), b = Write("b.txt", "two\r\n");
  const QString gone = dir.filePath("gone.txt");
  QFile(gone).open(QIODevice::WriteOnly);
  Start(gone, b);
  Start(a, b); // a second window: the pairs are a-b, then gone-b
  ASSERT_EQ(w->RecentPairs().size(), 2);
  QFile::remove(gone);
  emit w->mmFile->aboutToShow(); // the menu looks again when it opens
  QAction *item = w->mmRecentItems[1];
  EXPECT_TRUE(IsGreyed(*item));
  EXPECT_FALSE(IsGreyed(*w->mmRecentItems[0]));
  EXPECT_TRUE(item->toolTip().endsWith("\nНет файла " + gone)) << item->toolTip().toStdString();
  item->trigger();
  Settle();
  EXPECT_EQ(messages, QStringList{"Нет файла " + gone});
  EXPECT_EQ(w->ActualPFN(), a) << "the pair shown stays";
  EXPECT_EQ(w->RecentPairs().size(), 2) << "and the pair stays listed";
}

TEST_F(Desktop, RecentPairCaptionsAreShort) {
  EXPECT_EQ(RecentPairCaption({"/home/u/src/new.c", "/tmp/old.c"}), "new.c ↔ old.c");
  EXPECT_EQ(RecentPairCaption({"/home/u/a/x.c", "/home/u/b/x.c"}), "a/x.c ↔ b/x.c")
      << "the same name: with the folders";
  const QString longName = "/d/" + QString(60, 'n') + ".txt";
  const QString caption = RecentPairCaption({longName, "/d/o"});
  EXPECT_EQ(caption, QString(19, 'n') + "…" + QString(16, 'n') + ".txt ↔ o");
}

TEST_F(Desktop, FilesDroppedOnACaptionOrOnTheText) {
  const QString a = Write("a.txt", "shared\r\nnew\r\n"), b = Write("b.txt", "shared\r\n");
  const QString c = Write("c.txt", "other\r\n");
  Start(a, b);
  const int reads = w->FileReads();

  Drop(w->edObsoleteCaption, {c});
  EXPECT_EQ(w->ActualPFN(), a);
  EXPECT_EQ(w->ObsoletePFN(), c);
  EXPECT_EQ(w->GetObsoleteCaption(), c);
  EXPECT_EQ(w->FileReads(), reads + 2) << "compared at once";

  Drop(w->stActual, {b});
  EXPECT_EQ(w->ActualPFN(), b) << "the colour swatch belongs to its caption";
  EXPECT_EQ(w->ObsoletePFN(), c);

  Drop(w->mm->viewport(), {c, a}); // the first dropped is the new version
  EXPECT_EQ(w->ActualPFN(), c);
  EXPECT_EQ(w->ObsoletePFN(), a);
  EXPECT_EQ(Counts().EqualChars + Counts().FirstChars, 7) << "c.txt is the first text";
  EXPECT_EQ(Counts().EqualChars + Counts().SecondChars, 13) << "a.txt the second";
  EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(Desktop, AnythingElseDroppedIsRefusedWithAMessage) {
  const QString a = Write("a.txt", "x\r\n"), b = Write("b.txt", "y\r\n");
  const QString c = Write("c.txt", "z\r\n");
  Start(a, b);
  const int reads = w->FileReads();
  const QString onText = "На текст можно перетащить два файла или две папки: сначала новую "
                         "версию, затем старую.";
  Drop(w->mm->viewport(), {a, b, c});
  Drop(w->mm->viewport(), {c});
  Drop(w->mm->viewport(), {}, "some text");
  Drop(w->edActualCaption, {a, b});
  Drop(w->mm->viewport(), {dir.path(), a});
  Drop(w->edActualCaption, {dir.path()});
  EXPECT_EQ(messages,
            (QStringList{onText, onText, onText, "На имя файла можно перетащить один файл.",
                         dir.path() + " - папка, а не файл.", dir.path() + " - папка, а не файл."}))
      << "a folder goes beside a folder only";
  EXPECT_EQ(w->ActualPFN(), a);
  EXPECT_EQ(w->ObsoletePFN(), b);
  EXPECT_EQ(w->FileReads(), reads) << "nothing was read";
}

TEST_F(Desktop, ABarSaysWhenACompareFileChangesAndRefreshReadsItAgain) {
  const QString a = Write("a.txt", "one\r\n"), b = Write("b.txt", "one\r\n");
  Start(a, b);
  EXPECT_FALSE(w->ChangeBar->isVisible());
  EXPECT_EQ(w->Status(), csIdentical);
  const int reads = w->FileReads();

  QTest::qWait(20); // a time stamp of its own for the write
  Write("b.txt", "one\r\ntwo\r\n");
  ASSERT_TRUE(QTest::qWaitFor([this] { return w->ChangeBar->isVisible(); }, 5000));
  EXPECT_EQ(w->ChangeBar->lblMessage->text(), "Файл b.txt изменился на диске.");
  EXPECT_EQ(w->FileReads(), reads) << "nothing is read by itself";
  EXPECT_EQ(w->Status(), csIdentical);

  QTest::mouseClick(w->ChangeBar->btnAction, Qt::LeftButton);
  Settle();
  EXPECT_FALSE(w->ChangeBar->isVisible());
  EXPECT_EQ(w->FileReads(), reads + 2);
  EXPECT_EQ(w->Status(), csSimilar);

  // Saved the way editors save: a new file renamed over the old one; then F5.
  const QString fresh = Write("a.new", "one\r\nthree\r\n");
  written.pop_back();
  ASSERT_TRUE(QFile::remove(a));
  ASSERT_TRUE(QFile::rename(fresh, a));
  written.front().bytes = "one\r\nthree\r\n";
  written.front().time = QFileInfo(a).lastModified();
  ASSERT_TRUE(QTest::qWaitFor([this] { return w->ChangeBar->isVisible(); }, 5000));
  EXPECT_EQ(w->ChangeBar->lblMessage->text(), "Файл a.txt изменился на диске.");
  QTest::keyClick(w->mm, Qt::Key_F5);
  Settle();
  EXPECT_FALSE(w->ChangeBar->isVisible());
  EXPECT_EQ(w->FileReads(), reads + 4);

  ASSERT_TRUE(QFile::remove(b));
  written.pop_back();
  ASSERT_TRUE(QTest::qWaitFor([this] { return w->ChangeBar->isVisible(); }, 5000));
  EXPECT_EQ(w->ChangeBar->lblMessage->text(), "Файл b.txt удалён с диска.");
}

TEST_F(Desktop, MenusOpenFromTheKeyboard) {
  Start();
  // Each menu title has an underlined letter, every shortcut hint stays.
  for (QMenu *menu : {w->mmFile, w->mmEdit, w->mmFormat, w->mmHelp})
    EXPECT_EQ(menu->title().front(), '&') << menu->title().toStdString();
  EXPECT_EQ(w->mmEditFind->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
  w->activateWindow();
  PressAlt(0x0424, "ф");
  ASSERT_TRUE(QTest::qWaitFor([this] { return w->mmFile->isVisible(); }, 2000));
  w->mmFile->close();
  PressAlt(0x0412, "в");
  ASSERT_TRUE(QTest::qWaitFor([this] { return w->mmFormat->isVisible(); }, 2000));
  w->mmFormat->close();
  QTest::keyClick(w->mm, Qt::Key_F10);
  ASSERT_TRUE(QTest::qWaitFor([this] { return w->mmFile->isVisible(); }, 2000));
  EXPECT_EQ(w->menuBar()->activeAction(), w->mmFile->menuAction());
  w->mmFile->close();
}

} // namespace

namespace {

TEST_F(Desktop, ToolBarImagesComeFromScalableDrawings) {
  Start();
  for (QToolButton *b :
       {w->btnOpen, w->btnRefresh, w->btnPrevDiff, w->btnNextDiff, w->btnExch, w->btnChart}) {
    // A 16-pixel bitmap gives no more than its 16 pixels, whatever size is asked of it.
    for (const qreal scale : {1.0, 1.5, 2.0}) {
      const QPixmap pixmap = b->icon().pixmap(QSize(16, 16), scale);
      EXPECT_EQ(pixmap.size(), QSize(16, 16) * scale) << b->toolTip().toStdString();
    }
    EXPECT_EQ(b->icon().pixmap(QSize(64, 64)).size(), QSize(64, 64));
  }
}

} // namespace
