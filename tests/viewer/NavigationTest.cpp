// Stepping through bands and differences, with and without the keyboard focus.
#include "MemoFixture.h"

namespace {

class Navigation : public MemoFixture {
protected:
  // Lines: 0 "top" (Inserted), 1 "first", 2 "abXYcdZ" (Updated: ab|XY|cd|Z), 3 "mid",
  // 4 "gone" (Deleted), 5 "last".
  void AddUpdatedLine() {
    Add(kInserted, "top\r\n");
    Add(kEqual, "first\r\nab");
    Add(kInserted, "XY");
    Add(kEqual, "cd");
    Add(kInserted, "Z");
    Add(kEqual, "\r\nmid\r\n");
    Add(kDeleted, "gone\r\n");
    Add(kEqual, "last");
  }
  // Lines 0-1 Equal, 2-3 differ, 4 Equal, 5 differs, 6 Equal.
  void AddBands() {
    Add(kEqual, "e0\r\ne1\r\n");
    Add(kInserted, "d2\r\nd3\r\n");
    Add(kEqual, "e4\r\n");
    Add(kDeleted, "d5\r\n");
    Add(kEqual, "e6");
  }
};

TEST_F(Navigation, NextDiffStopsAtEveryDifferenceBoundary) {
  AddUpdatedLine();
  Layout(false);
  memo->MoveCaret(0, 2, false);
  std::vector<TVPosition> stops;
  for (int k = 0; k < 5; ++k) {
    memo->NextDiff();
    stops.push_back(memo->Caret());
  }
  EXPECT_EQ(stops, (std::vector<TVPosition>{{2, 2}, {4, 2}, {6, 2}, {7, 2}, {0, 4}}));
}

TEST_F(Navigation, PrevDiffWalksBackAndToTheLineAbove) {
  AddUpdatedLine();
  Layout(false);
  memo->MoveCaret(6, 2, false);
  memo->PrevDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{4, 2}));
  memo->PrevDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{2, 2}));
  memo->PrevDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{3, 0})) << "the end of the last difference above";
  memo->MoveCaret(5, 2, false);
  memo->PrevDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{4, 2}));
}

TEST_F(Navigation, HexDigitPaneColumnsAreThreeTimesAsLarge) {
  Add(kEqual, "ab");
  Add(kInserted, "XY");
  Add(kEqual, "cd");
  Add(kInserted, "Z");
  Layout(false, true);
  std::vector<std::int32_t> stops;
  for (int k = 0; k < 5; ++k) {
    memo->NextDiff();
    stops.push_back(memo->Caret().Col);
  }
  EXPECT_EQ(stops, (std::vector<std::int32_t>{6, 12, 18, 21, 21}));
  memo->MoveCaret(18, 0, false);
  memo->PrevDiff();
  EXPECT_EQ(memo->Caret().Col, 12);
}

// 20 inserted bytes after 12 shared ones: the first row ends in a difference that fills it.
TEST_F(Navigation, HexDigitStepsReachTheNextLineAfterAFullRow) {
  Add(kEqual, std::string(12, 's'));
  Add(kInserted, std::string(20, 'i'));
  for (bool wrap : {true, false}) {
    Layout(wrap, true);
    memo->MoveCaret(0, 0, false);
    std::vector<TVPosition> stops;
    for (int k = 0; k < 3; ++k) {
      memo->NextDiff();
      stops.push_back(memo->Caret());
    }
    EXPECT_EQ(stops, (std::vector<TVPosition>{{36, 0}, {47, 0}, {0, 1}})) << "wrap " << wrap;
    memo->RightmostDiff();
    EXPECT_EQ(memo->Caret(), (TVPosition{47, 1}));
    memo->MoveCaret(0, 0, false);
    memo->RightmostDiff();
    EXPECT_EQ(memo->Caret(), (TVPosition{47, 0})) << "the pane's last column, wrap " << wrap;
  }
}

TEST_F(Navigation, PrevDiffBeyondTheEndStopsAtTheLastDifferenceFirst) {
  AddUpdatedLine();
  Layout(false);
  memo->MoveCaret(20, 2, false); // plain mode: past the end of "abXYcdZ"
  memo->PrevDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{7, 2}));
  memo->PrevDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{6, 2}));
  memo->MoveCaret(9, 4, false); // beyond "gone", an Inserted line of one zone
  memo->PrevDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{4, 4}));
}

TEST_F(Navigation, InsertedLineIsOneDifference) {
  AddUpdatedLine();
  Layout(false);
  memo->MoveCaret(0, 4, false);
  memo->NextDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{4, 4}));
  memo->NextDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{4, 4})) << "no difference below: nothing happens";
}

TEST_F(Navigation, LeftmostAndRightmostOnAnEqualLine) {
  AddUpdatedLine();
  Layout(false);
  memo->MoveCaret(2, 3, false);
  memo->RightmostDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{3, 3}));
  memo->LeftmostDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 3}));
  memo->MoveCaret(0, 2, false);
  memo->RightmostDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{7, 2}));
  memo->LeftmostDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{2, 2})) << "behind the leading shared zone";
}

TEST_F(Navigation, EmptyDifferenceLineLeavesTheCaret) {
  Add(kEqual, "a\r\n");
  Add(kInserted, "\r\n\r\n"); // the second break is inside the entry: an empty Inserted line
  Add(kEqual, "b");
  Layout(false);
  ASSERT_EQ(memo->Model().GetLine(2).FKind, kInserted);
  ASSERT_EQ(memo->Model().GetLine(2).FLength, 0);
  memo->NextDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0}));
}

TEST_F(Navigation, BandsWithTheFocusMoveOneBandOfEitherSort) {
  AddBands();
  Layout(false);
  Focus();
  std::vector<int> lines;
  for (int k = 0; k < 5; ++k) {
    memo->NextBand();
    lines.push_back(memo->Caret().Line);
  }
  EXPECT_EQ(lines, (std::vector<int>{2, 4, 5, 6, 6}));
  lines.clear();
  for (int k = 0; k < 4; ++k) {
    memo->PrevBand();
    lines.push_back(memo->Caret().Line);
  }
  EXPECT_EQ(lines, (std::vector<int>{5, 4, 3, 1}));
  memo->PrevBand();
  EXPECT_EQ(memo->Caret().Line, 1) << "nothing differs above the first Equal band";
}

TEST_F(Navigation, BandsWithoutTheFocusGoFromDifferenceToDifference) {
  AddBands();
  Layout(false);
  memo->MoveCaret(0, 2, false);
  memo->NextBand();
  EXPECT_EQ(memo->Caret().Line, 5);
  memo->PrevBand();
  EXPECT_EQ(memo->Caret().Line, 3) << "the last line of the band above";
}

TEST_F(Navigation, BandStartingAtLineZero) {
  Add(kInserted, "d0\r\nd1\r\n");
  Add(kEqual, "e2");
  Layout(false);
  Focus();
  memo->MoveCaret(0, 1, false);
  memo->PrevBand();
  EXPECT_EQ(memo->Caret().Line, 0);
}

TEST_F(Navigation, DifferenceWiderThanTheWindow) {
  Add(kEqual, "x");
  Add(kInserted, std::string(300, 'w'));
  Add(kEqual, "y");
  Layout(false);
  auto caretVisible = [&] {
    const int x = memo->CaretRect().x();
    return x >= memo->GutterWidth() && x < memo->viewport()->width();
  };
  Focus();
  memo->RightmostDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{301, 0}));
  EXPECT_TRUE(caretVisible());
  memo->LeftmostDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{1, 0}));
  EXPECT_TRUE(caretVisible());
}

TEST_F(Navigation, FirstDifferenceBecomesTheLastVisibleLine) {
  std::string equal;
  for (int i = 0; i < 100; ++i)
    equal += "same\r\n";
  Add(kEqual, equal);
  Add(kInserted, "new\r\n");
  Add(kEqual, equal);
  Layout(false);
  memo->MoveCaret(3, 0, false);
  memo->GoToFirstDiff();
  EXPECT_EQ(memo->Caret(), (TVPosition{3, 100}));
  EXPECT_EQ(memo->TopLine(), 100 - memo->VisibleLines() + 1);
}

TEST_F(Navigation, AltKeysAndShiftSelect) {
  AddUpdatedLine();
  Layout(false);
  Focus();
  memo->MoveCaret(0, 2, false);
  QTest::keyClick(memo, Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier);
  EXPECT_EQ(memo->Caret(), (TVPosition{2, 2}));
  EXPECT_TRUE(memo->SelActive());
  EXPECT_EQ(memo->SelEnd(), (TVPosition{2, 2}));
  QTest::keyClick(memo, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(memo->Caret().Line, 3);
  EXPECT_FALSE(memo->SelActive());
}

} // namespace
