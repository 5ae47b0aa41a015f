// "Кодировка": UTF-8 files read as characters with no setting touched, the other code pages by
// choice, F8 to DOS and back to the choice, copy in the encoding shown, and the choice kept.
#include "Encoding.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>

namespace {

class Encodings : public MainWindowFixture {
protected:
  const QByteArray newer = "# Привет, мир\n\tx = 1  # счёт\nprint(x)\n";
  const QByteArray older = "# Привет, мер\n\tx = 2  # счет\nprint(x)\n";

  void StartUtf8() { Start(Write("new.py", newer), Write("old.py", older)); }
  void Choose(QAction *item) {
    item->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  }
  // Every zone the viewer shows is whole characters.
  bool ZonesAreUtf8() const {
    const TVLineModel &model = w->mm->Model();
    for (int i = 0; i < model.LineCount(); ++i)
      for (const TVMemoLineZone &zone : model.LineZones(i))
        if (!IsValidUtf8(zone.Text()))
          return false;
    return true;
  }
};

TEST_F(Encodings, Utf8FilesAreReadAsCharactersWithNoSettingTouched) {
  StartUtf8();
  EXPECT_EQ(Panel(spCodePage), "UTF-8");
  EXPECT_TRUE(w->mmEncodingAuto->isChecked());
  EXPECT_TRUE(ZonesAreUtf8()) << "no change is marked on part of a character";
  EXPECT_EQ(w->mm->Model().GetLineText(0), "# Привет, меир") << "е deleted, и inserted";
  EXPECT_EQ(w->mm->Model().MaxLineLength(), 8 + 15) << "cells: the tab reaches cell 8";
  w->mm->SelectAll();
  w->mm->CopyToClipboard();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("# Привет, м"));
}

TEST_F(Encodings, TheCaretMovesByWholeCharacters) {
  StartUtf8();
  w->mm->setFocus();
  w->mm->MoveCaret(0, 0, true);
  std::vector<std::int32_t> columns;
  for (int k = 0; k < 4; ++k) {
    QTest::keyClick(w->mm, Qt::Key_Right);
    columns.push_back(w->mm->Caret().Col);
  }
  EXPECT_EQ(columns, (std::vector<std::int32_t>{1, 2, 4, 6}))
      << "'#', ' ', then two bytes a letter";
  QTest::keyClick(w->mm, Qt::Key_Left);
  EXPECT_EQ(w->mm->Caret().Col, 4);
  w->mm->MoveCaret(5, 0, false);
  EXPECT_EQ(w->mm->Caret().Col, 4) << "never inside a character";
  QTest::keyClick(w->mm, Qt::Key_Down);
  EXPECT_EQ(w->mm->Caret().Col, 4) << "the second line: the tab's byte and three more";
  const int cell = w->mm->CharWidth();
  const QPoint third(w->mm->GutterWidth() + w->mm->HalfCharWidth() + 3 * cell + 1,
                     w->mm->LineHeight() / 2);
  QTest::mouseClick(w->mm->viewport(), Qt::LeftButton, {}, third);
  EXPECT_EQ(w->mm->Caret(), (TVPosition{4, 0})) << "the fourth cell is the second letter";
}

TEST_F(Encodings, OtherCodePagesByChoiceAndF8ToDosAndBack) {
  StartUtf8();
  const int reads = w->FileReads();
  Choose(w->mmEncodingWindows);
  EXPECT_EQ(Panel(spCodePage), "WIN");
  EXPECT_EQ(w->mm->Model().GetLineText(0), "# Привет, м\xD0\xB5\xB8р")
      << "the engine's pieces: the letters' shared first byte stays shared";
  std::int32_t longest = 0;
  for (int i = 0; i < w->mm->Model().LineCount(); ++i)
    longest = std::max(longest, w->mm->Model().GetLine(i).FLength);
  EXPECT_EQ(w->mm->Model().MaxLineLength(), longest) << "a cell a byte again";
  EXPECT_EQ(w->FileReads(), reads) << "the files are not read again";
  Choose(w->mmEncodingAuto);
  EXPECT_EQ(Panel(spCodePage), "UTF-8");
  w->ChangeOEMMode(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  EXPECT_EQ(Panel(spCodePage), "DOS");
  EXPECT_TRUE(w->mmEncodingDos->isChecked());
  EXPECT_EQ(w->mm->CodePage(), TCodePage::Dos866);
  w->ChangeOEMMode(false);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  EXPECT_EQ(Panel(spCodePage), "UTF-8") << "back to what was chosen before";
  EXPECT_TRUE(ZonesAreUtf8());
}

TEST_F(Encodings, Windows1251FilesStayAsTheyWere) {
  Start(Write("a", "\xCF\xF0\xE8\xE2\xE5\xF2\r\n"), Write("b", "\xCF\xF0\xE8\xE2\xE5\xF2!\r\n"));
  EXPECT_EQ(Panel(spCodePage), "WIN");
  EXPECT_FALSE(w->mm->Model().TextForm().Utf8);
  w->ChangeOEMMode(true);
  EXPECT_EQ(Panel(spCodePage), "DOS");
}

TEST_F(Encodings, TheChoiceIsKept) {
  StartUtf8();
  Choose(w->mmEncodingKoi8);
  EXPECT_EQ(Panel(spCodePage), "KOI8");
  EXPECT_EQ(w->mm->CodePage(), TCodePage::Koi8r);
  w->close();
  EXPECT_EQ(StoredValue("Encoding"), "koi8-r");
  StartUtf8();
  EXPECT_TRUE(w->mmEncodingKoi8->isChecked());
  EXPECT_EQ(Panel(spCodePage), "KOI8");
}

TEST_F(Encodings, TheDosModeIsKeptAcrossStarts) {
  StartUtf8();
  QTest::keyClick(w.get(), Qt::Key_F8);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  EXPECT_EQ(Panel(spCodePage), "DOS");
  QTest::keyClick(w.get(), Qt::Key_Escape);
  EXPECT_EQ(StoredValue("OEMMode"), "1");
  StartUtf8();
  EXPECT_EQ(Panel(spCodePage), "DOS");
  EXPECT_TRUE(w->OEMMode());
  EXPECT_TRUE(w->chkDosMode->isChecked());
  EXPECT_TRUE(w->mmFormatDOS->isChecked());
  w->close();
  EXPECT_EQ(StoredValue("OEMMode"), "1") << "the next close keeps it";
  EXPECT_EQ(StoredValue("Encoding"), "auto") << "the choice F8 goes back to";
}

TEST_F(Encodings, PlainAsciiReadsAsUtf8SoThatTabsExpand) {
  Start(Write("Makefile", "all:\n\tcc -o x x.c\n"), Write("Makefile.old", "all:\n\tcc x.c\n"));
  EXPECT_EQ(Panel(spCodePage), "UTF-8");
  EXPECT_TRUE(w->mm->Model().TextForm().Utf8);
  EXPECT_EQ(w->mm->Model().MaxLineLength(), 8 + 11) << "the tab reaches cell 8";
  w->ChangeOEMMode(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  EXPECT_EQ(Panel(spCodePage), "DOS") << "the DOS mode still reads DOS";
  EXPECT_FALSE(w->mm->Model().TextForm().Utf8);
}

// A large file is looked through on a second thread while the engine compares; the small file
// beside it must still be read as it is.
TEST_F(Encodings, ASmallFileBesideALargeOneDecidesTheAutomaticChoicesToo) {
  const QString large =
      Write("large.txt", QByteArray("a line of the large file\r\n").repeated(160'000));
  Start(large, Write("bom.txt", "\xEF\xBB\xBFhi"));
  EXPECT_EQ(Panel(spCodePage), "UTF-8") << "the byte order mark of the small file";
  w->OpenPair(large, Write("lf.txt", "\nab"));
  Settle();
  EXPECT_EQ(Panel(spLineEnds), "LF") << "the lone LF of the small file";
  EXPECT_TRUE(w->mm->Model().LfBreaks());
}

TEST_F(Encodings, TheAutomaticChoicesAreShownOnlyOnceKnown) {
  Start();
  const QString large = Write("large.txt", Filler());
  QString codePage, lineEnds;
  DuringPhase(cpComparing, [&] {
    codePage = Panel(spCodePage);
    lineEnds = Panel(spLineEnds);
  });
  w->OpenPair(large, Write("small.txt", "a\n"));
  Settle();
  EXPECT_EQ(codePage, "…");
  EXPECT_EQ(lineEnds, "…");
  EXPECT_EQ(Panel(spCodePage), "UTF-8");
  EXPECT_EQ(Panel(spLineEnds), "LF");
  w->ChangeLineEnds(leCR);
  w->ChangeEncoding(TVEncoding::Koi8r);
  Settle();
  DuringPhase(cpComparing, [&] {
    codePage = Panel(spCodePage);
    lineEnds = Panel(spLineEnds);
  });
  w->mmEditRefresh->trigger();
  Settle();
  EXPECT_EQ(codePage, "KOI8") << "chosen, so known at once";
  EXPECT_EQ(lineEnds, "CR LF");
}

} // namespace
