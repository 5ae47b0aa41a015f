// Relayout: the three layout modes, the top line and caret kept on the same text, scroll bars.
#include "MemoFixture.h"

#include <QScrollBar>

namespace {

class Layouts : public MemoFixture {
protected:
  // Numbered lines long enough to wrap: "line 007 xxxx…".
  void AddNumberedLines(int count, int length) {
    std::string text;
    for (int i = 0; i < count; ++i) {
      std::string line = "line " + std::to_string(1000 + i).substr(1) + " ";
      line.resize(static_cast<std::size_t>(length), 'x');
      text += line + "\r\n";
    }
    Add(kEqual, text);
  }
  std::string TopText() const { return memo->Model().GetLineText(memo->TopLine()); }
};

TEST_F(Layouts, ModeFollowsTheFlagsHexFirst) {
  Layout(true, true);
  EXPECT_EQ(memo->CurrentLayoutMode(), lmHex);
  Layout(true, false);
  EXPECT_EQ(memo->CurrentLayoutMode(), lmWrap);
  Layout(false, false);
  EXPECT_EQ(memo->CurrentLayoutMode(), lmPlain);
}

TEST_F(Layouts, TogglingWrapWithoutScrollingReturnsToTheSameTop) {
  AddNumberedLines(200, 3 * WrapWidth());
  Layout(false);
  memo->ScrollView(-50); // the wheel, 50 lines down
  ASSERT_EQ(memo->TopLine(), 50);
  memo->MoveCaret(0, 52, false); // inside the view, so the relayout need not scroll to it
  Layout(true);
  EXPECT_EQ(TopText().substr(0, 8), "line 050");

  memo->ScrollView(-1); // one wrapped row further: the middle of line 50
  const int wrappedTop = memo->TopLine();
  memo->MoveCaret(0, wrappedTop + 1, false);
  Layout(false);
  EXPECT_EQ(memo->TopLine(), 50) << "the line that holds the first character of the old top";
  Layout(true);
  EXPECT_EQ(memo->TopLine(), wrappedTop) << "no scroll in between: exactly the same top";
}

TEST_F(Layouts, RelayoutBringsTheCaretIntoView) {
  AddNumberedLines(100, 10);
  Layout(false);
  memo->ScrollView(-40); // the caret stays on line 0, out of view
  Layout(true);
  EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(Layouts, HexAndBackKeepsTheTopWhenNothingScrolled) {
  AddNumberedLines(100, 20); // 22 bytes a line with CR LF
  Layout(false);
  memo->ScrollView(-40);
  memo->MoveCaret(0, 40, false);
  Layout(false, true);
  EXPECT_EQ(memo->TopLine(), 40 * 22 / 16);
  Layout(false, false);
  EXPECT_EQ(memo->TopLine(), 40);
  Layout(false, true);
  EXPECT_EQ(memo->TopLine(), 40 * 22 / 16);
}

TEST_F(Layouts, CaretColumnsInTheHexDigitPaneRoundToBytes) {
  Add(kEqual, std::string(64, 'a'));
  Layout(false, true);
  memo->MoveCaret(16, 0, false); // the blank behind byte 4's digits counts as byte 5
  Layout(false, false);
  EXPECT_EQ(memo->Caret(), (TVPosition{5, 0}));
  Layout(false, true);
  EXPECT_EQ(memo->Caret(), (TVPosition{15, 0}));

  memo->MoveCaret(17, 0, false);
  Layout(false, false);
  Layout(false, true);
  EXPECT_EQ(memo->Caret(), (TVPosition{18, 0}));
}

TEST_F(Layouts, CaretBeyondTheLineEndIsTakenAsTheEnd) {
  Add(kEqual, "short\r\nlonger line\r\n");
  Layout(false);
  memo->MoveCaret(30, 0, false);
  ASSERT_EQ(memo->Caret(), (TVPosition{30, 0})); // plain mode lets it stand past the end
  Layout(true);
  EXPECT_EQ(memo->Caret(), (TVPosition{5, 0}));
}

TEST_F(Layouts, ScrollBarsClampTheTopWhenTheWindowGrows) {
  AddNumberedLines(100, 10); // 101 lines: the last one is empty
  Layout(false);
  memo->ScrollView(-100);
  const int visible = memo->VisibleLines();
  EXPECT_EQ(memo->TopLine(), 101 - visible);
  EXPECT_EQ(memo->verticalScrollBar()->maximum(), 101 - visible);
  memo->MoveCaret(0, 100, false);

  memo->setGeometry(0, 0, 400, 600);
  QApplication::processEvents();
  EXPECT_EQ(memo->TopLine(), 101 - memo->VisibleLines());
  EXPECT_GT(memo->VisibleLines(), visible);
}

TEST_F(Layouts, VerticalBarIsDisabledNotHiddenWhenAllFits) {
  Add(kEqual, "one line");
  Layout(false);
  EXPECT_EQ(memo->TopLine(), 0);
  EXPECT_FALSE(memo->verticalScrollBar()->isEnabled());
  EXPECT_TRUE(memo->verticalScrollBar()->isVisible());
}

TEST_F(Layouts, HorizontalRangeIsTheLongestLinePlusFourCells) {
  Add(kEqual, std::string(200, 'z'));
  Layout(false);
  const int cw = memo->CharWidth();
  EXPECT_EQ(memo->horizontalScrollBar()->maximum(), (200 + 4) * cw - memo->viewport()->width() + 1);
  Layout(false, true);
  EXPECT_EQ(memo->Model().MaxLineLength(), 66);
}

TEST_F(Layouts, TooNarrowForOneWrappedCharacterHoldsNoLines) {
  Add(kEqual, "text");
  memo->setGeometry(0, 0, memo->GutterWidth() + 30, 100);
  QApplication::processEvents();
  Layout(true);
  EXPECT_EQ(memo->Model().LineCount(), 0);
  memo->setGeometry(0, 0, 400, 300);
  QApplication::processEvents();
  Layout(true);
  EXPECT_EQ(memo->Model().LineCount(), 1);
}

TEST_F(Layouts, ResizeRewrapsOnlyWithAutoRelayoutInWrapMode) {
  Add(kEqual, std::string(300, 'q'));
  Layout(true);
  const int before = memo->Model().LineCount();
  memo->setGeometry(0, 0, 250, 300);
  QApplication::processEvents();
  EXPECT_EQ(memo->Model().LineCount(), before) << "auto relayout is off";
  EXPECT_TRUE(memo->LayoutWidthChanged());
  memo->SetAutoRelayout(true);
  memo->setGeometry(0, 0, 200, 300);
  QApplication::processEvents();
  EXPECT_GT(memo->Model().LineCount(), before);
  EXPECT_FALSE(memo->LayoutWidthChanged());
}

TEST_F(Layouts, ResizesOfOneDragMakeOneRelayoutAtTheFinalWidth) {
  Add(kEqual, std::string(3000, 'r'));
  Layout(true);
  memo->SetAutoRelayout(true);
  int builds = 0;
  memo->Model().OnProgress = [&](const void *, std::int32_t, TVProgressStage stage) {
    builds += stage == psStart;
  };
  for (int width = 390; width >= 250; width -= 10) // one drag: sizes arrive before the loop turns
    memo->setGeometry(0, 0, width, 300);
  EXPECT_EQ(builds, 0) << "nothing is rebuilt inside the size messages";
  QApplication::processEvents();
  EXPECT_EQ(builds, 1);
  const std::vector<std::string> coalesced = LineTexts();
  memo->SetAutoRelayout(false);
  Layout(true); // a layout made straight at the final width
  EXPECT_EQ(LineTexts(), coalesced);
}

TEST_F(Layouts, LockedRelayoutDoesNothing) {
  Add(kEqual, "abc");
  memo->BeginUpdate();
  Layout(false);
  EXPECT_EQ(memo->Model().LineCount(), 0);
  memo->EndUpdate();
  Layout(false);
  EXPECT_EQ(memo->Model().LineCount(), 1);
}

TEST_F(Layouts, GutterWidthFollowsTheCharacterCell) {
  EXPECT_EQ(memo->GutterWidth(), 3 * memo->CharWidth());
  memo->SetHaveLeft(false);
  EXPECT_EQ(memo->GutterWidth(), 0);
}

} // namespace
