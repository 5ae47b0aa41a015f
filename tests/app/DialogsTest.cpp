// The file, settings, style and about dialogs and help, driven through the main window the way a
// person would: the test acts on each modal dialog once it is up.
#include "FormDorixCfgUnit.h"
#include "FormDorixOpenUnit.h"
#include "FormDorixTextCfgUnit.h"
#include "MainWindowFixture.h"
#include "UnitDorixAbout.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

class Dialogs : public MainWindowFixture {
protected:
  QStringList browsed; // title and preset of every open-file dialog asked for
  QList<QUrl> opened;
  QStringList started;

  void StartWith(const QString &first = {}, const QString &second = {}) {
    Start(first, second);
    w->Platform.OpenFile = [this](QWidget *, const QString &title, const QString &preset) {
      browsed << title << preset;
      return std::optional<QString>(QStringLiteral("/chosen/file.txt"));
    };
    w->Platform.OpenUrl = [this](const QUrl &url) { opened << url; };
  }
};

TEST_F(Dialogs, OpenTrimsTheNamesAndCompares) {
  const QString a = Write("a b.txt", "same\r\nnew\r\n"), b = Write("b.txt", "same\r\nold\r\n");
  StartWith();
  WhenModal<TFormDorixOpen>([&](TFormDorixOpen &d) {
    EXPECT_EQ(d.windowTitle(), "Выбор файлов для сравнения");
    d.edActualPFN->setText("  " + a + " \t");
    d.edObsoletePFN->setText(" " + b);
    d.btnOk->click();
  });
  w->btnOpen->click();
  EXPECT_EQ(w->ActualPFN(), a) << "inner spaces stay";
  EXPECT_EQ(w->ObsoletePFN(), b);
  EXPECT_EQ(w->edActualCaption->text(), a);
  EXPECT_EQ(Panel(spStatus), "Файлы более-менее похожи.");
  EXPECT_EQ(w->mm->Caret().Line, 1) << "at the first difference";
}

TEST_F(Dialogs, OkWithUnchangedNamesReadsNothing) {
  StartWith(Write("a", "x\r\nnew\r\n"), Write("b", "x\r\nold\r\n"));
  const int reads = w->FileReads();
  w->mm->MoveCaret(0, 0, false);
  WhenModal<TFormDorixOpen>([](TFormDorixOpen &d) { d.btnOk->click(); });
  w->mmFileOpen->trigger();
  EXPECT_EQ(w->FileReads(), reads);
  EXPECT_EQ(w->mm->Caret().Line, 1) << "still moves to the first difference";
}

TEST_F(Dialogs, CancelChangesNothing) {
  const QString a = Write("a", "x");
  StartWith(a);
  WhenModal<TFormDorixOpen>([](TFormDorixOpen &d) {
    d.edActualPFN->setText("other");
    d.btnCancel->click();
  });
  w->btnOpen->click();
  EXPECT_EQ(w->ActualPFN(), a);
  EXPECT_EQ(w->edActualCaption->text(), a);
}

TEST_F(Dialogs, CtrlOInAFieldBrowsesForThatFile) {
  StartWith(QStringLiteral("/first.txt"), QStringLiteral("/second.txt"));
  TFormDorixOpen dialog(w->Platform);
  dialog.edObsoletePFN->setText("/second.txt");
  QTest::keyClick(dialog.edObsoletePFN, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(browsed, (QStringList{"Выбор второго (старого) файла", "/second.txt"}));
  EXPECT_EQ(dialog.edObsoletePFN->text(), "/chosen/file.txt");
  browsed.clear();
  QTest::keyClick(dialog.edActualPFN, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(browsed.isEmpty()) << "Ctrl+Shift+O is the field's own";
  dialog.btnOpenActual->click();
  EXPECT_EQ(browsed.first(), "Выбор первого (нового) файла");
  w->Platform.OpenFile = [](QWidget *, const QString &, const QString &) {
    return std::optional<QString>();
  };
  dialog.btnOpenActual->click(); // cancelled: the field keeps its text
  EXPECT_EQ(dialog.edActualPFN->text(), "/chosen/file.txt");
}

TEST_F(Dialogs, SettingsDefaultsKeepTheFontSize) {
  {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    store.setValue("StyleInserted", "($000000FF,[BI],$00123456)");
    store.setValue("FontSize", 12);
  }
  StartWith();
  WhenModal<TFormDorixCfg>([](TFormDorixCfg &d) {
    EXPECT_EQ(d.edFontSize->text(), "12");
    EXPECT_TRUE(d.edColorInserted->font().bold());
    d.btnDefaultColors->click();
    d.btnOk->click();
  });
  w->mmFormatProp->trigger();
  EXPECT_EQ(w->Settings().Light.Inserted, (TVTextStyle{0, 0, 0xC888FF}));
  EXPECT_EQ(w->Settings().Light.Equal, (TVTextStyle{0, 0, 0xFFFFFF}));
  EXPECT_EQ(w->Settings().FontSize, 12);
}

TEST_F(Dialogs, TypedSizeOutsideTheRangeLeavesTheLastValidValue) {
  StartWith();
  WhenModal<TFormDorixCfg>([](TFormDorixCfg &d) {
    d.UpDownFontSize->SetPosition(14);
    d.edFontSize->setText("200");
    EXPECT_EQ(d.edColorEqual->font().pointSize(), 200) << "the samples follow at once";
    d.btnOk->click();
  });
  w->mmFormatProp->trigger();
  EXPECT_EQ(w->Settings().FontSize, 14);
  EXPECT_EQ(w->mm->font().pointSize(), 14);
}

TEST_F(Dialogs, TheTabWidthSetsTheStopsOfUtf8Text) {
  StartWith(Write("a.py", "if x:\n\tпривет()\n"), Write("b.py", "if x:\n\tпока()\n"));
  ASSERT_TRUE(w->mm->Model().TextForm().Utf8);
  const std::int32_t eight = w->mm->Model().MaxLineLength(); // a tab to cell 8, then the text
  WhenModal<TFormDorixCfg>([](TFormDorixCfg &d) {
    EXPECT_EQ(d.edTabWidth->text(), "8");
    d.edTabWidth->setText("4");
    d.btnOk->click();
  });
  w->mmFormatProp->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  EXPECT_EQ(w->Settings().TabWidth, 4);
  EXPECT_EQ(w->mm->Model().MaxLineLength(), eight - 4) << "the tab reaches cell 4";
  WhenModal<TFormDorixCfg>([](TFormDorixCfg &d) {
    d.edTabWidth->setText("17"); // out of range: the last valid value stands
    d.btnOk->click();
  });
  w->mmFormatProp->trigger();
  EXPECT_EQ(w->Settings().TabWidth, 4);
}

TEST_F(Dialogs, OkWithoutChangeComparesAfreshAndCancelKeepsEverything) {
  StartWith(Write("a", "x"), Write("b", "y"));
  const int reads = w->FileReads();
  const TSettings before = w->Settings();
  WhenModal<TFormDorixCfg>([](TFormDorixCfg &d) {
    d.chkKeepModes->setChecked(false);
    d.btnDefaultColors->click();
    d.btnCancel->click();
  });
  w->mmFormatProp->trigger();
  EXPECT_EQ(w->Settings(), before);
  EXPECT_EQ(w->FileReads(), reads);
  WhenModal<TFormDorixCfg>([](TFormDorixCfg &d) { d.btnOk->click(); });
  w->mmFormatProp->trigger();
  EXPECT_EQ(w->FileReads(), reads + 2);
}

TEST_F(Dialogs, UpdatedSampleChangesOnlyUpdatedLines) {
  StartWith(Write("a", "ab new\r\n"), Write("b", "ab old\r\n"));
  w->Platform.ChooseColor = [](QWidget *, const QColor &) {
    return std::optional<QColor>(QColor(1, 2, 3));
  };
  WhenModal<TFormDorixCfg>([&](TFormDorixCfg &d) {
    WhenModal<TFormDorixTextCfg>([](TFormDorixTextCfg &s) {
      s.chkItalic->click();
      s.btnBkgColor->click();
      s.btnOk->click();
    });
    d.btnChangeColorUpdated->click();
    EXPECT_TRUE(d.edColorUpdated->font().italic());
    d.btnOk->click();
  });
  w->mmFormatProp->trigger();
  EXPECT_EQ(w->Settings().Light.Updated, (TVTextStyle{0, fsItalic, 0x030201}));
  EXPECT_EQ(w->Settings().Light.Inserted, TSettings{}.Light.Inserted);
  EXPECT_EQ(w->FormDorixChart->pnlDiff->palette().color(QPalette::Window), QColor(1, 2, 3));
  EXPECT_EQ(w->stActual->palette().color(QPalette::Window), QColor(255, 136, 200));
  ASSERT_EQ(w->mm->Model().GetLine(0).FKind, 3);
  EXPECT_EQ(w->mm->GetLineStyle(0).Color, 0x030201u);
}

TEST_F(Dialogs, StyleDialogCancelLeavesTheSample) {
  StartWith();
  TFormDorixCfg dialog(w->Platform);
  TextStyleToEdit({0, 0, 0xFF}, *dialog.edColorDeleted);
  WhenModal<TFormDorixTextCfg>([](TFormDorixTextCfg &s) {
    EXPECT_EQ(s.edPreview->text(), " Удаленный текст");
    s.chkBold->click();
    s.btnCancel->click();
  });
  dialog.btnChangeColorDeleted->click();
  EXPECT_FALSE(dialog.edColorDeleted->font().bold());
}

TEST_F(Dialogs, HelpCommandWithAndWithoutTopic) {
  StartWith();
  QString path;
  const QString chm = QCoreApplication::applicationDirPath() + "/dorix.chm";
  EXPECT_EQ(w->HelpCommand({}, path), (QStringList{"xchm", chm}));
  EXPECT_EQ(path, chm);
  EXPECT_EQ(w->HelpCommand("/HTML/more.htm", path),
            (QStringList{"xchm", "file:" + chm + "#xchm:/HTML/more.html"}));
  EXPECT_EQ(path, chm + "::/HTML/more.htm");
}

// Without the help file viewer the help's own pages open in the browser, and the message names
// the viewer that is missing, not the help file, which is there.
TEST_F(Dialogs, MissingHelpViewerOpensThePagesInTheBrowser) {
  StartWith();
  w->Platform.StartProgram = [this](const QString &program, const QStringList &args,
                                    QString &error) {
    started << program << args;
    error = "No such file or directory";
    return false;
  };
  const QString chm = QCoreApplication::applicationDirPath() + "/dorix.chm";
  w->mmHelpMore->trigger();
  EXPECT_EQ(messages, QStringList{"Не могу открыть " + chm +
                                  "::/HTML/more.htm:\r\nNo such file or directory"})
      << "no pages either: nothing else to open";
  EXPECT_TRUE(opened.isEmpty());
  messages.clear();
  started.clear();

  // The pages as the build leaves them beside the program.
  const QDir pages(QCoreApplication::applicationDirPath() + "/help-pages");
  ASSERT_TRUE(pages.mkpath("HTML"));
  const std::shared_ptr<void> cleanUp(nullptr,
                                      [pages](void *) { QDir(pages).removeRecursively(); });
  for (const char *page : {"index.htm", "HTML/more.htm"}) {
    QFile file(pages.filePath(page));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  w->mmHelpMore->trigger();
  EXPECT_EQ(started.first(), "xchm");
  ASSERT_EQ(opened.size(), 1);
  EXPECT_TRUE(opened[0].isLocalFile());
  EXPECT_TRUE(opened[0].path().endsWith("/HTML/more.htm")) << opened[0].toString().toStdString();
  EXPECT_TRUE(QFileInfo::exists(opened[0].toLocalFile())) << "the page is there";
  EXPECT_EQ(
      messages,
      QStringList{"Не найдена программа просмотра справки xchm: справка открыта в браузере."});
  messages.clear();
  w->mmHelpIndex->trigger();
  EXPECT_TRUE(opened.last().path().endsWith("/index.htm"));
}

TEST_F(Dialogs, AboutBoxOpensTheMakersPage) {
  StartWith();
  WhenModal<TFormDorixAbout>([](TFormDorixAbout &d) {
    EXPECT_EQ(d.windowTitle(), "О программе:");
    EXPECT_EQ(d.Label1->text(), "Morvane Dorix");
    EXPECT_EQ(d.Label2->text(), "Version 1.3");
    EXPECT_EQ(d.Label4->text(), "http://www.morvane.example/");
    QTest::mouseClick(d.Label4, Qt::LeftButton);
    d.btnOk->click();
  });
  w->mmHelpAbout->trigger();
  EXPECT_EQ(opened, QList<QUrl>{QUrl("http://www.morvane.example/index.htm?ref=dorix13-about")});
}

TEST_F(Dialogs, EnterInTheSettingsAndStyleDialogsPressesNoButton) {
  StartWith();
  TFormDorixCfg settings(w->Platform);
  TFormDorixTextCfg style(w->Platform);
  const std::pair<QDialog *, std::vector<QPushButton *>> dialogs[] = {
      {&settings, {settings.btnOk, settings.btnCancel}}, {&style, {style.btnOk, style.btnCancel}}};
  for (const auto &[dialog, buttons] : dialogs) {
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    for (QPushButton *b : buttons) {
      b->setFocus(); // a button with the focus is the one Enter would press
      QTest::keyClick(dialog, Qt::Key_Return);
      EXPECT_TRUE(dialog->isVisible()) << b->text().toStdString();
      EXPECT_EQ(dialog->result(), 0) << b->text().toStdString();
    }
    dialog->hide();
  }
}

TEST_F(Dialogs, NoTextIsClipped) {
  StartWith();
  TFormDorixOpen open(w->Platform);
  TFormDorixCfg settings(w->Platform);
  TFormDorixTextCfg style(w->Platform);
  TFormDorixAbout about(w->Platform);
  for (QWidget *dialog : std::initializer_list<QWidget *>{&open, &settings, &style, &about}) {
    for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>())
      if (!b->text().isEmpty()) {
        EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
      }
    for (QLabel *l : dialog->findChildren<QLabel *>())
      EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
    for (QWidget *child : dialog->findChildren<QWidget *>())
      if (child->parentWidget() == dialog && !child->isWindow()) {
        EXPECT_LE(child->geometry().right(), dialog->width()) << child->metaObject()->className();
      }
  }
}

} // namespace
