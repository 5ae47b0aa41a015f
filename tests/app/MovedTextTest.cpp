// Moved text in the window: "Вид › Перемещения" on by default and kept, both ends in the moved
// style with the moved glyph's style on their lines, Ctrl+M from one end to the other and back,
// the statistics' figure, and the HTML page's links.
#include "MainWindowFixture.h"

#include "FormDorixChartUnit.h"

#include <QAction>
#include <QLabel>

namespace {

QByteArray Paragraph(const QByteArray &name) {
  return "The " + name + " paragraph tells its own story in a sentence or two,\n" +
         "and ends here with the word " + name + ".\n\n";
}

class MovedText : public MainWindowFixture {
protected:
  // Four paragraphs, and the same with the second moved to the end.
  void StartMoved() {
    const QByteArray a = Paragraph("first"), b = Paragraph("second"), c = Paragraph("third"),
                     d = Paragraph("fourth");
    Start(Write("new.txt", a + c + d + b), Write("old.txt", a + b + c + d));
  }
  // The lines holding moved text of a kind.
  std::vector<int> LinesWith(std::int32_t kind) const {
    std::vector<int> lines;
    const TVLineModel &model = w->mm->Model();
    for (int i = 0; i < model.LineCount(); ++i)
      for (const TVMemoLineZone &zone : model.LineZones(i))
        if (zone.Kind == kind) {
          lines.push_back(i);
          break;
        }
    return lines;
  }
};

TEST_F(MovedText, BothEndsAreMarkedAndTheSwitchIsKept) {
  StartMoved();
  EXPECT_TRUE(w->mmFormatMoves->isChecked());
  const std::vector<int> away = LinesWith(kindMovedAway), here = LinesWith(kindMovedHere);
  ASSERT_FALSE(away.empty());
  ASSERT_EQ(away.size(), here.size()) << "the same text at both ends, laid out alike";
  EXPECT_LT(away[0], here[0]) << "moved down: the old place comes first";
  EXPECT_EQ(w->mm->Model().GetLine(away[0]).FKind, kindDeleted) << "the line's kind stays";
  EXPECT_EQ(w->mm->GetGlyphStyle(away[0]).Glyph, w->mm->GetGlyphStyle(here[0]).Glyph)
      << "one glyph for both ends";
  EXPECT_NE(w->mm->GetGlyphStyle(away[0]).Glyph, w->mm->GetLineStyle(away[0]).Glyph);

  w->mmFormatMoves->trigger();
  Settle();
  EXPECT_TRUE(LinesWith(kindMovedAway).empty());
  EXPECT_TRUE(LinesWith(kindMovedHere).empty());
  w->close();
  EXPECT_EQ(StoredValue("DetectMoves"), "0");
  StartMoved();
  EXPECT_FALSE(w->mmFormatMoves->isChecked()) << "kept for the next start";
}

TEST_F(MovedText, CtrlMGoesToTheOtherEndAndBack) {
  StartMoved();
  const int away = LinesWith(kindMovedAway).front(), here = LinesWith(kindMovedHere).front();
  EXPECT_EQ(w->mmDiffOtherEnd->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
  w->mm->MoveCaret(5, away, true);
  w->mmDiffOtherEnd->trigger();
  EXPECT_EQ(w->mm->Caret().Line, here);
  EXPECT_EQ(w->mm->Caret().Col, 0);
  EXPECT_TRUE(w->mm->FoundActive()) << "the other end is shown as found";
  const TVLineModel &model = w->mm->Model();
  EXPECT_EQ(model.PositionToOffset(w->mm->FoundEnd().Col, w->mm->FoundEnd().Line, false) -
                model.PositionToOffset(0, here, false),
            Paragraph("second").size())
      << "the whole paragraph";
  w->mmDiffOtherEnd->trigger();
  EXPECT_EQ(w->mm->Caret().Line, away) << "and back";
  w->mm->MoveCaret(0, 0, true);
  w->mmDiffOtherEnd->trigger();
  EXPECT_EQ(w->mm->Caret().Line, 0) << "shared text has no other end";
}

TEST_F(MovedText, TheStatisticsCountTheMovedBytes) {
  StartMoved();
  w->btnChartClick();
  const TFormDorixChart &chart = *w->FormDorixChart;
  EXPECT_TRUE(chart.lblMoved->isVisibleTo(&chart));
  EXPECT_EQ(chart.lblMoved->text().trimmed().remove(' '),
            QString::number(Paragraph("second").size()));
  w->mmFormatMoves->trigger();
  Settle();
  EXPECT_FALSE(chart.lblMoved->isVisibleTo(&chart));
}

} // namespace
