// "Концы строк": automatic by the files, or chosen; the lines are built again without reading the
// files, the status bar shows the rule in force, copy uses its line end, and the choice is kept.
#include "MainWindowFixture.h"

#include <QAction>
#include <QTabBar>

namespace {

class LineEnds : public MainWindowFixture {
protected:
  QStringList Lines() const {
    QStringList out;
    for (int i = 0; i < w->mm->Model().LineCount(); ++i)
      out << QString::fromStdString(w->mm->Model().GetLineText(i));
    return out;
  }
  void Choose(QAction *item) {
    item->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  }
  std::string CopyAll() {
    w->mm->SelectAll();
    return w->mm->GetSelectedText();
  }
};

TEST_F(LineEnds, AutomaticFollowsTheFilesAndAChoiceOnlyRebuildsTheLines) {
  Start(Write("new.py", "import os\nimport re\nprint(1)\n"),
        Write("old.py", "import os\nprint(1)\n"));
  EXPECT_EQ(Lines(), (QStringList{"import os", "import re", "print(1)", ""}));
  EXPECT_EQ(Panel(spLineEnds), "LF");
  EXPECT_TRUE(w->mmLineEndsAuto->isChecked());
  EXPECT_EQ(CopyAll(), "import os\nimport re\nprint(1)\n") << "LF between lines";

  const int reads = w->FileReads();
  Choose(w->mmLineEndsCR);
  EXPECT_EQ(Lines().size(), 1) << "an LF alone is an ordinary character";
  EXPECT_EQ(Panel(spLineEnds), "CR LF");
  EXPECT_TRUE(w->mmLineEndsCR->isChecked() && !w->mmLineEndsAuto->isChecked());
  EXPECT_EQ(w->FileReads(), reads) << "the files are not read again";

  Choose(w->mmLineEndsLF);
  EXPECT_EQ(Lines().size(), 4);
  QTest::mouseDClick(w->StatusBar1, Qt::LeftButton, {},
                     QPoint(5 + 75 + 50 + 50 + 25, w->StatusBar1->height() / 2));
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->Idle(); }));
  EXPECT_EQ(w->LineEnds(), leCR) << "a double click on the panel takes the other rule";
}

TEST_F(LineEnds, CrLfFilesKeepTheCrRuleAndCopyCrLf) {
  Start(Write("a", "one\r\ntwo\nthree\r\n"), Write("b", "one\r\ntwo\nthree\r\n"));
  EXPECT_EQ(Panel(spLineEnds), "LF") << "one LF without a CR is enough";
  Start(Write("c", "one\r\ntwo\r\n"), Write("d", "one\r\n"));
  EXPECT_EQ(Panel(spLineEnds), "CR LF");
  EXPECT_EQ(CopyAll(), "one\r\ntwo\r\n");
}

TEST_F(LineEnds, TheChoiceIsKeptForTheNextStart) {
  Start();
  Choose(w->mmLineEndsCR);
  w->close();
  EXPECT_EQ(StoredValue("LineEnds"), "1");
  Start(Write("e", "x\ny\n"), Write("f", "x\n"));
  EXPECT_TRUE(w->mmLineEndsCR->isChecked());
  EXPECT_EQ(Lines().size(), 1);
}

TEST_F(LineEnds, TheTopLineStaysOnTheSameText) {
  QByteArray text; // under the CR rule a line each, under the LF rule two
  for (int i = 0; i < 400; ++i)
    text += "a" + QByteArray::number(i) + "\nb" + QByteArray::number(i) + "\r\n";
  Start(Write("g", text), Write("h", text + "end\r\n"));
  Choose(w->mmLineEndsCR);
  w->mm->MoveCaret(0, 0, false); // the caret on the top line, which the relayout keeps in view
  w->mm->ScrollWithCaret(200);
  ASSERT_EQ(w->mm->Model().GetLineText(w->mm->TopLine()).substr(0, 1), "a");
  const std::string top = w->mm->Model().GetLineText(w->mm->TopLine());
  Choose(w->mmLineEndsLF);
  EXPECT_EQ(w->mm->Model().GetLineText(w->mm->TopLine()), top.substr(0, top.find('\n')));
  Choose(w->mmLineEndsCR);
  EXPECT_EQ(w->mm->Model().GetLineText(w->mm->TopLine()), top);
}

TEST_F(LineEnds, CopyGivesTheShownTextsOwnBytesWhateverTheRule) {
  QByteArray lf, crlf;
  for (int i = 0; i < 300; ++i) {
    lf += "line " + QByteArray::number(i) + (i % 40 == 0 ? " changed" : "") + "\n";
    crlf += "line " + QByteArray::number(i) + "\r\n";
  }
  Start(Write("lf.txt", lf), Write("crlf.txt", crlf));
  ASSERT_EQ(Panel(spLineEnds), "LF");
  for (const TVLineEnds rule : {leLF, leCR}) {
    w->ChangeLineEnds(rule);
    Settle();
    w->tsView->setCurrentIndex(1);
    Settle();
    EXPECT_EQ(CopyAll(), lf.toStdString()) << "the new file alone, under rule " << rule;
    w->tsView->setCurrentIndex(2);
    Settle();
    EXPECT_EQ(CopyAll(), crlf.toStdString()) << "the old file alone, every CR kept";
    w->tsView->setCurrentIndex(0);
    Settle();
    std::string both;
    const TVKindStringList &pieces = w->Comparison()->Pieces();
    for (int k = 0; k < pieces.Count(); ++k)
      both += pieces.Text(k);
    EXPECT_EQ(CopyAll(), both) << "both versions, piece after piece";
  }
}

} // namespace
