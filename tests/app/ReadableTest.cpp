// "Вид › Разборчиво": changes shown as words and whole lines by default, the engine's exact
// pieces when it is off; the files are not read again, the statistics follow, the choice is kept.
#include "MainWindowFixture.h"

#include <QAction>

namespace {

class Readable : public MainWindowFixture {
protected:
  // The first line's zones as kind:text.
  QStringList FirstLineZones() const {
    QStringList out;
    for (const TVMemoLineZone &zone : w->mm->Model().LineZones(0))
      out << QStringLiteral("%1:%2").arg(zone.Kind).arg(QString::fromUtf8(zone.Text()));
    return out;
  }
};

TEST_F(Readable, OnByDefaultAndOffShowsTheEnginesPieces) {
  Start(Write("new.txt", "Здравствуй\n"), Write("old.txt", "Привет\n"));
  EXPECT_TRUE(w->mmFormatReadable->isChecked());
  EXPECT_EQ(FirstLineZones(), (QStringList{"2:Привет", "1:Здравствуй"}));
  EXPECT_EQ(Counts().EqualChars, 1) << "the line end";
  const int reads = w->FileReads();
  w->mmFormatReadable->trigger();
  Settle();
  EXPECT_FALSE(w->mmFormatReadable->isChecked());
  EXPECT_EQ(w->FileReads(), reads) << "the files are not read again";
  EXPECT_EQ(FirstLineZones(),
            (QStringList{"2:П", "1:Зд", "3:р", "2:и", "1:а", "3:в", "2:е", "1:с", "3:т", "1:вуй"}))
      << "the engine's own pieces, whole characters";
  EXPECT_EQ(Counts().EqualChars, 3 * 2 + 1) << "the statistics count the pieces shown: р, в, т";
  w->close();
  EXPECT_EQ(StoredValue("Readable"), "0");
  Start(Write("a", "x\n"), Write("b", "y\n"));
  EXPECT_FALSE(w->Readable()) << "kept for the next start";
}

// A blank line inserted or deleted is a changed line: it has its own kind, and Alt+Down stops
// there.
TEST_F(Readable, ABlankLineInsertedOrDeletedIsAChange) {
  for (const bool inserted : {true, false}) {
    const QByteArray with = "one\ntwo\n\nthree\n", without = "one\ntwo\nthree\n";
    Start(Write("new", inserted ? with : without), Write("old", inserted ? without : with));
    const TVLineModel &model = w->mm->Model();
    ASSERT_EQ(model.LineCount(), 5);
    EXPECT_EQ(model.GetLine(2).FKind, inserted ? kindInserted : kindDeleted);
    EXPECT_EQ(model.GetLine(1).FKind, kindEqual) << "the line above stays as it was";
    w->mm->MoveCaret(0, 0, true);
    w->mmDiffDown->trigger();
    EXPECT_EQ(w->mm->Caret().Line, 2);
    w.reset();
  }
}

} // namespace
