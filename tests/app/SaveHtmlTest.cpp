// "Сохранить как HTML…": the page of the view as the window shows it, saved through the save
// dialog, never over a compared file, and a failure reported.
#include "CodePageText.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QMenu>

namespace {

class SaveHtml : public MainWindowFixture {
protected:
  QString chosen;        // what the save dialog answers; empty: the user cancels
  QString title, preset; // what the window asked it with

  void StartPair(const QByteArray &first, const QByteArray &second) {
    Start(Write("new.txt", first), Write("old.txt", second));
    w->Platform.SaveFile = [this](QWidget *, const QString &t,
                                  const QString &p) -> std::optional<QString> {
      title = t;
      preset = p;
      if (chosen.isEmpty())
        return std::nullopt;
      return chosen;
    };
  }

  // Saves with Ctrl+S, as a person would, and reads back what was written.
  QByteArray Save() {
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
    QFile file(chosen);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static QByteArray Cp1251(const char *utf8) {
    return QByteArray::fromStdString(EncodeWindows1251(QString::fromUtf8(utf8)).value());
  }

  static int Lines(const QByteArray &page) {
    return static_cast<int>(page.count("<div class=\"l "));
  }
};

TEST_F(SaveHtml, TheViewAsShownInTheFileMenu) {
  StartPair(Cp1251("общая строка\r\nновая строка\r\nконец\r\n"),
            Cp1251("общая строка\r\nконец\r\n"));
  EXPECT_EQ(w->mmFileSaveHtml->text(), "&Сохранить как HTML…") << "with its mnemonic";
  EXPECT_TRUE(w->mmFile->actions().contains(w->mmFileSaveHtml));
  chosen = dir.filePath("page.html");
  const QByteArray page = Save();
  EXPECT_EQ(title, "Сохранить как HTML");
  EXPECT_EQ(preset, dir.filePath("new.txt.html")) << "beside the new file, named after it";
  ASSERT_TRUE(page.startsWith("<!DOCTYPE html>\n"));
  EXPECT_EQ(Lines(page), w->mm->Model().LineCount());
  EXPECT_TRUE(page.contains("новая строка")) << "decoded to UTF-8";
  EXPECT_TRUE(page.contains(dir.filePath("new.txt").toUtf8()));
  EXPECT_TRUE(page.contains("Файлы более-менее похожи."));
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(SaveHtml, LayoutCodePageAndColoursAreTheWindows) {
  StartPair(QByteArray("\x8F\xE0\xA8\xA2\xA5\xE2\r\n") + QByteArray(60, 'x'), "old\r\n");
  chosen = dir.filePath("page.html");
  w->ChangeOEMMode(true);
  w->ChangeWrapMode(false);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  QByteArray page = Save();
  EXPECT_TRUE(page.contains("Привет")) << "the DOS code page, as the window shows it";
  EXPECT_EQ(Lines(page), 2);
  EXPECT_TRUE(page.contains(".k1{background:#FF88C8;color:#000000}"));

  w->resize(300, w->height());
  w->ChangeWrapMode(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle() && !w->mm->LayoutWidthChanged(); }));
  page = Save();
  EXPECT_EQ(Lines(page), w->mm->Model().LineCount());
  EXPECT_GT(Lines(page), 2) << "wrapped at the window's width";

  w->ChangeHexMode(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  page = Save();
  EXPECT_EQ(Lines(page), w->mm->Model().LineCount());
  EXPECT_TRUE(page.contains("8F E0 A8 A2 A5 E2 ")) << "the hex digits";
}

TEST_F(SaveHtml, CancelWritesNothing) {
  StartPair("a\r\n", "b\r\n");
  Save();
  EXPECT_FALSE(preset.isEmpty()) << "the dialog was asked";
  EXPECT_EQ(QDir(dir.path()).entryList({"*.html"}, QDir::Files).size(), 0);
}

TEST_F(SaveHtml, NeverOverAComparedFile) {
  StartPair("new text\r\n", "old text\r\n");
  for (const char *name : {"new.txt", "old.txt"}) {
    chosen = dir.filePath(name);
    Save();
    ASSERT_EQ(messages.size(), 1) << name;
    EXPECT_EQ(messages.takeFirst(), "Сравниваемый файл не может быть заменён страницей HTML.");
  }
  // The fixture checks that both files kept their bytes and times.
}

TEST_F(SaveHtml, AFailureIsReportedAndAnOlderPageIsReplacedWhole) {
  StartPair("a\r\n", "b\r\n");
  chosen = dir.filePath("no such folder/page.html");
  EXPECT_TRUE(Save().isEmpty());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("Не удалось сохранить ")) << messages[0].toStdString();

  chosen = dir.filePath("page.html");
  QFile old(chosen);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(100000, 'z'));
  old.close();
  const QByteArray page = Save();
  EXPECT_TRUE(page.startsWith("<!DOCTYPE html>")) << "the dialog asked; the page replaces it";
  EXPECT_FALSE(page.contains("zzz"));
  EXPECT_TRUE(page.endsWith("</html>\n"));
}

} // namespace
