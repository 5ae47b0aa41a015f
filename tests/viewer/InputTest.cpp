// The keyboard map, the mouse, the wheel and the scroll bars, driven as a person would.
#include "MemoFixture.h"

#include <QScrollBar>
#include <QStyleHints>
#include <QWheelEvent>

namespace {

class Input : public MemoFixture {
protected:
  void SetUp() override {
    MemoFixture::SetUp();
    Focus();
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(memo, static_cast<Qt::Key>(key), mods);
  }
  void AddLines(int count, int length) {
    std::string text;
    for (int i = 0; i < count; ++i)
      text +=
          std::string(static_cast<std::size_t>(length), static_cast<char>('a' + i % 26)) + "\r\n";
    text.resize(text.size() - 2);
    Add(kEqual, text);
  }
  QPoint CellPoint(int col, int row) const {
    return {static_cast<int>(memo->Geometry().ColumnX(paneText, col)) + 1,
            row * memo->LineHeight() + memo->LineHeight() / 2};
  }
  void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, memo->viewport()->mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(memo->viewport(), &event);
  }
  void Wheel(int delta) {
    const QPoint pos = CellPoint(2, 2);
    QWheelEvent event(pos, memo->viewport()->mapToGlobal(pos), {}, QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(memo->viewport(), &event);
  }
};

TEST_F(Input, PageKeysAtTheEndsMoveNothing) {
  AddLines(60, 5);
  Layout(false);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(memo->TopLine(), 0);
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0}));

  Key(Qt::Key_PageDown);
  const int step = memo->VisibleLines() - 1;
  EXPECT_EQ(memo->TopLine(), step);
  EXPECT_EQ(memo->Caret().Line, step) << "the caret keeps its row on the screen";

  Key(Qt::Key_End, Qt::ControlModifier);
  const TVPosition last = memo->Caret();
  const int top = memo->TopLine();
  Key(Qt::Key_PageDown);
  EXPECT_EQ(memo->TopLine(), top);
  EXPECT_EQ(memo->Caret(), last);
}

TEST_F(Input, RightWalksPastTheEndInPlainModeButEndStops) {
  Add(kEqual, "abc\r\nde");
  Layout(false);
  Key(Qt::Key_End);
  EXPECT_EQ(memo->Caret(), (TVPosition{3, 0}));
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  EXPECT_EQ(memo->Caret(), (TVPosition{5, 0}));
  Key(Qt::Key_Home);
  Key(Qt::Key_Left);
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0}));
  Key(Qt::Key_Down);
  Key(Qt::Key_Left);
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 1})) << "no step back to the previous line";
}

TEST_F(Input, WrapModeCrossesLineEnds) {
  Add(kEqual, "abc\r\nde");
  Layout(true);
  Key(Qt::Key_End);
  Key(Qt::Key_Right);
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 1}));
  Key(Qt::Key_Left);
  EXPECT_EQ(memo->Caret(), (TVPosition{3, 0}));
  memo->MoveCaret(99, 0, false);
  EXPECT_EQ(memo->Caret(), (TVPosition{3, 0})) << "clamped to the line end";
}

TEST_F(Input, HexDigitPaneEndsAtColumn47) {
  Add(kEqual, std::string(20, 'h'));
  Layout(false, true);
  Key(Qt::Key_Down);
  Key(Qt::Key_End);
  EXPECT_EQ(memo->Caret(), (TVPosition{47, 1})) << "even on a short last line";
  Key(Qt::Key_Up);
  Key(Qt::Key_End);
  Key(Qt::Key_Right);
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 1}));
}

TEST_F(Input, CtrlKeysJumpAndScroll) {
  AddLines(60, 30);
  Layout(false);
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(memo->Caret(), (TVPosition{10, 0}));
  Key(Qt::Key_Left, Qt::ControlModifier);
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0}));
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(memo->TopLine(), 1);
  EXPECT_EQ(memo->Caret().Line, 1);
  Key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(memo->Caret().Line, memo->TopLine() + memo->VisibleLines() - 1);
  Key(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(memo->Caret().Line, memo->TopLine());
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(memo->Caret(), (TVPosition{30, 59}));
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0}));
  EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(Input, WheelScrollsThreeLinesANotchAndLeavesTheCaret) {
  AddLines(60, 5);
  Layout(false);
  Wheel(-120);
  EXPECT_EQ(memo->TopLine(), 3);
  Wheel(-30);
  EXPECT_EQ(memo->TopLine(), 3);
  Wheel(-120 * 10);
  EXPECT_EQ(memo->TopLine(), 33);
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0})) << "the caret stays on its line, out of view";
  Wheel(120);
  EXPECT_EQ(memo->TopLine(), 30);
}

TEST_F(Input, ThumbAtTheEndShowsTheLastLines) {
  AddLines(60, 5);
  Layout(false);
  QScrollBar *bar = memo->verticalScrollBar();
  bar->setSliderPosition(bar->maximum());
  EXPECT_EQ(memo->TopLine(), 60 - memo->VisibleLines());
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(memo->TopLine(), 60 - memo->VisibleLines());
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(memo->TopLine(), 60 - 2 * memo->VisibleLines());
  EXPECT_EQ(bar->value(), memo->TopLine());
}

TEST_F(Input, HorizontalBarStepsByCellsAndPages) {
  Add(kEqual, std::string(300, 'w'));
  Layout(false);
  QScrollBar *bar = memo->horizontalScrollBar();
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(memo->ScrollX(), memo->CharWidth());
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(memo->ScrollX(), memo->viewport()->width());
  bar->setSliderPosition(bar->maximum());
  EXPECT_EQ(memo->ScrollX(), (300 + 4) * memo->CharWidth() - memo->viewport()->width());
}

TEST_F(Input, PressInTheGutterFocusesWithoutMovingTheCaret) {
  Add(kEqual, "abc\r\nxy\r\n");
  Layout(false);
  memo->clearFocus();
  Mouse(QEvent::MouseButtonPress, QPoint(2, memo->LineHeight() + 2), Qt::LeftButton);
  EXPECT_TRUE(memo->hasFocus());
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0}));
  EXPECT_FALSE(memo->SelActive());
  Mouse(QEvent::MouseButtonRelease, QPoint(2, 2), Qt::NoButton);

  Mouse(QEvent::MouseButtonPress, CellPoint(8, 1), Qt::LeftButton);
  EXPECT_EQ(memo->Caret(), (TVPosition{8, 1})) << "beyond the end of a short line";
  EXPECT_TRUE(memo->SelActive());
  EXPECT_TRUE(memo->ScrollTimer().isActive());
  Mouse(QEvent::MouseButtonRelease, CellPoint(8, 1), Qt::NoButton);
  EXPECT_FALSE(memo->ScrollTimer().isActive());
}

TEST_F(Input, DraggingAboveTheWindowScrollsByRowsPerTick) {
  AddLines(80, 10);
  Layout(false);
  memo->ScrollView(-40);
  const int lh = memo->LineHeight();
  Mouse(QEvent::MouseButtonPress, CellPoint(3, 2), Qt::LeftButton); // line 42
  Mouse(QEvent::MouseMove, QPoint(CellPoint(3, 0).x(), -lh / 2), Qt::LeftButton);
  memo->DragTo(); // one tick of the drag timer
  EXPECT_EQ(memo->TopLine(), 40) << "within the first line height nothing scrolls";

  Mouse(QEvent::MouseMove, QPoint(CellPoint(3, 0).x(), -2 * lh), Qt::LeftButton);
  memo->DragTo();
  EXPECT_EQ(memo->TopLine(), 38);
  memo->DragTo();
  EXPECT_EQ(memo->TopLine(), 36);
  EXPECT_EQ(memo->SelStart(), (TVPosition{3, 36}));
  EXPECT_EQ(memo->SelEnd(), (TVPosition{3, 42}));
  Mouse(QEvent::MouseButtonRelease, QPoint(0, 0), Qt::NoButton);
}

TEST_F(Input, DraggingInsideTheTextExtendsAtOnce) {
  Add(kEqual, "first line\r\nsecond line\r\nthird");
  Layout(false);
  Mouse(QEvent::MouseButtonPress, CellPoint(2, 0), Qt::LeftButton);
  Mouse(QEvent::MouseMove, CellPoint(4, 2), Qt::LeftButton);
  EXPECT_EQ(memo->SelStart(), (TVPosition{2, 0}));
  EXPECT_EQ(memo->SelEnd(), (TVPosition{4, 2}));
  Mouse(QEvent::MouseMove, CellPoint(1, 0), Qt::LeftButton);
  EXPECT_EQ(memo->SelStart(), (TVPosition{1, 0}));
  EXPECT_EQ(memo->SelEnd(), (TVPosition{2, 0})) << "before the anchor the anchor is the end";
  Mouse(QEvent::MouseButtonRelease, CellPoint(1, 0), Qt::NoButton);
}

TEST_F(Input, ShiftSelectsAndAPlainMoveDropsTheSelection) {
  Add(kEqual, "one\r\ntwo\r\nthree");
  Layout(false);
  memo->MoveCaret(1, 0, false);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  ASSERT_TRUE(memo->SelActive());
  EXPECT_EQ(memo->SelStart(), (TVPosition{1, 0}));
  EXPECT_EQ(memo->SelEnd(), (TVPosition{1, 1}));
  Key(Qt::Key_Down);
  EXPECT_FALSE(memo->SelActive());
}

TEST_F(Input, LeavingTheHexLayoutKeepsTheCaretOnItsText) {
  Add(kEqual, std::string(20, 'a') + "b" + std::string(19, 'c'));
  Layout(false, true);
  memo->MoveCaret(12, 1, false);
  Key(Qt::Key_Tab); // to the character pane: byte 20, the "b"
  ASSERT_FALSE(memo->CaretInHex());
  ASSERT_EQ(memo->Caret(), (TVPosition{4, 1}));
  Layout(false);
  EXPECT_EQ(memo->Caret(), (TVPosition{20, 0}));
  Layout(false, true);
  EXPECT_EQ(memo->Caret(), (TVPosition{12, 1})) << "back in the digits of the same byte";
}

TEST_F(Input, TabSwitchesBetweenTheHexPanes) {
  Add(kEqual, std::string(40, 't'));
  Layout(false, true);
  memo->MoveCaret(7, 0, false);
  Key(Qt::Key_Tab);
  EXPECT_FALSE(memo->CaretInHex());
  EXPECT_EQ(memo->Caret().Col, 2);
  Key(Qt::Key_Tab);
  EXPECT_TRUE(memo->CaretInHex());
  EXPECT_EQ(memo->Caret().Col, 6);
  memo->MoveCaret(8, 0, false);
  Key(Qt::Key_Tab);
  EXPECT_EQ(memo->Caret().Col, 3);
  memo->MoveCaret(5, 0, false);
  Key(Qt::Key_Tab);
  EXPECT_EQ(memo->Caret().Col, 15);
  EXPECT_TRUE(memo->hasFocus()) << "Tab stays in the viewer";

  Layout(false, false);
  Key(Qt::Key_Tab);
  EXPECT_TRUE(memo->hasFocus());
}

TEST_F(Input, SelectAllInTheHexDigitPaneEndsAtTheLastByte) {
  Add(kEqual, std::string(20, 's'));
  Layout(false, true);
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(memo->SelPane(), paneHexDigits);
  EXPECT_EQ(memo->SelStart(), (TVPosition{0, 0}));
  EXPECT_EQ(memo->SelEnd(), (TVPosition{12, 1}));
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0})) << "the caret does not move";
}

TEST_F(Input, CaretIsPlacedInEveryPane) {
  Add(kEqual, std::string(40, 'c'));
  Layout(false, true);
  const int cw = memo->CharWidth(), g = memo->GutterWidth(), h = memo->HalfCharWidth();
  memo->MoveCaret(4, 1, false);
  EXPECT_EQ(memo->CaretRect(),
            QRect(4 * cw + g + h - 1, memo->LineHeight(), 2, memo->LineHeight()));
  EXPECT_TRUE(memo->CaretShown());
  Key(Qt::Key_Tab);
  EXPECT_EQ(memo->CaretRect().x(), g - memo->ScrollX() + 48 * cw + 5 + 1 * cw + h - 1);
  EXPECT_GT(memo->ScrollX(), 0) << "the character pane lies right of this narrow window";
  memo->clearFocus();
  EXPECT_FALSE(memo->CaretShown());
}

TEST_F(Input, TheCaretBlinksAsTheDesktopSaysAndStaysOnWhenItSaysNot) {
  QStyleHints *hints = QGuiApplication::styleHints();
  const int before = hints->cursorFlashTime();
  Add(kEqual, "text");
  Layout(false);
  Focus();
  ASSERT_TRUE(memo->CaretShown());
  hints->setCursorFlashTime(0); // blinking turned off, while the caret shows
  EXPECT_FALSE(memo->BlinkTimer().isActive()) << "no timer runs for a caret that does not blink";
  memo->clearFocus();
  Focus();
  EXPECT_FALSE(memo->BlinkTimer().isActive());
  hints->setCursorFlashTime(800);
  EXPECT_TRUE(memo->BlinkTimer().isActive());
  EXPECT_EQ(memo->BlinkTimer().interval(), 400);
  hints->setCursorFlashTime(before);
}

TEST_F(Input, PointerIsAnIBeamOverTheTextAndAnArrowOverTheGutter) {
  Add(kEqual, "text");
  Layout(false);
  Mouse(QEvent::MouseMove, QPoint(2, 2), Qt::NoButton);
  EXPECT_EQ(memo->viewport()->cursor().shape(), Qt::ArrowCursor);
  Mouse(QEvent::MouseMove, CellPoint(1, 0), Qt::NoButton);
  EXPECT_EQ(memo->viewport()->cursor().shape(), Qt::IBeamCursor);
}

} // namespace

// A double click selects the word under the pointer: letters and digits of the code page in
// force, whole UTF-8 characters; the caret goes to the word's end.
TEST_F(Input, DoubleClickSelectsTheWordUnderThePointer) {
  // "счетчик2" in Windows-1251; then "ab" "і" "cd", whose 0xB3 is a box-drawing line in DOS.
  Add(kEqual, "int \xF1\xF7\xE5\xF2\xF7\xE8\xEA"
              "2 = 0;\r\nab\xB3"
              "cd");
  Layout(false);
  Focus();
  auto doubleClick = [&](int column, int line = 0) {
    const int x = memo->GutterWidth() + memo->HalfCharWidth() + column * memo->CharWidth() + 2;
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {},
                       QPoint(x, line * memo->LineHeight() + 3));
  };
  doubleClick(6);
  ASSERT_TRUE(memo->SelActive());
  EXPECT_EQ(memo->SelStart(), (TVPosition{4, 0}));
  EXPECT_EQ(memo->SelEnd(), (TVPosition{12, 0}));
  EXPECT_EQ(memo->Caret(), (TVPosition{12, 0}));
  EXPECT_EQ(memo->GetSelectedText(), "\xF1\xF7\xE5\xF2\xF7\xE8\xEA"
                                     "2");
  doubleClick(13); // the "=": that character alone
  EXPECT_EQ(memo->GetSelectedText(), "=");
  doubleClick(30); // past the line's end: nothing to select
  EXPECT_EQ(memo->GetSelectedText(), "");

  doubleClick(0, 1);
  EXPECT_EQ(memo->GetSelectedText(), "ab\xB3"
                                     "cd");
  memo->SetCodePage(TCodePage::Dos866);
  doubleClick(0, 1);
  EXPECT_EQ(memo->GetSelectedText(), "ab");
}

TEST_F(Input, DoubleClickInUtf8SelectsWholeCharacters) {
  Add(kEqual, "x = счётчик + 1");
  memo->Model().SetTextForm({true, 8});
  Layout(false);
  Focus();
  const int x = memo->GutterWidth() + memo->HalfCharWidth() + 7 * memo->CharWidth() + 2;
  QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, QPoint(x, 3));
  EXPECT_EQ(memo->GetSelectedText(), "счётчик");
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(x, 3));
  EXPECT_EQ(memo->GetSelectedText(), "") << "a single click still only places the caret";
}

// A letter and the combining marks written after it are one caret stop.
TEST_F(Input, ALetterAndItsCombiningMarksAreOneCaretStop) {
  Add(kEqual, "va\xCC\x86n x\xCC\x81\xCC\x82y");
  memo->Model().SetTextForm({true, 8});
  Layout(false);
  Focus();
  memo->MoveCaret(0, 0, true);
  std::vector<std::int32_t> stops;
  for (int k = 0; k < 7; ++k) {
    QTest::keyClick(memo, Qt::Key_Right);
    stops.push_back(memo->Caret().Col);
  }
  EXPECT_EQ(stops, (std::vector<std::int32_t>{1, 4, 5, 6, 11, 12, 13}))
      << "over a and its breve at once; x with two marks";
  QTest::keyClick(memo, Qt::Key_Left);
  QTest::keyClick(memo, Qt::Key_Left);
  QTest::keyClick(memo, Qt::Key_Left);
  EXPECT_EQ(memo->Caret().Col, 6);
  memo->MoveCaret(3, 0, false);
  EXPECT_EQ(memo->Caret().Col, 1) << "never between a letter and its mark";
  const int x = memo->GutterWidth() + memo->HalfCharWidth() + 2 * memo->CharWidth() + 2;
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(x, 3));
  EXPECT_EQ(memo->Caret().Col, 4) << "the third cell is the n";
  EXPECT_EQ(memo->Model().MaxLineLength(), 6) << "cells: the marks take none";
}

TEST_F(Input, ADoubleClickHeldOrDraggedKeepsItsWordWhole) {
  Add(kEqual, "одна большая строка");
  memo->Model().SetTextForm({true, 8});
  Layout(false);
  Focus();
  const auto at = [&](int cell) {
    return QPoint(memo->GutterWidth() + memo->HalfCharWidth() + cell * memo->CharWidth() + 2, 3);
  };
  // The second press of a double click, held: the drag timer ticks under the pointer.
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, at(8));
  QTest::mousePress(memo->viewport(), Qt::LeftButton, {}, at(8));
  QMouseEvent second(QEvent::MouseButtonDblClick, at(8), memo->viewport()->mapToGlobal(at(8)),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(memo->viewport(), &second);
  EXPECT_EQ(memo->GetSelectedText(), "большая");
  memo->DragTo();
  EXPECT_EQ(memo->GetSelectedText(), "большая") << "held: not cut at the pointer";
  QTest::mouseMove(memo->viewport(), at(16));
  EXPECT_EQ(memo->GetSelectedText(), "большая стр") << "dragged right: from the word's start";
  QTest::mouseMove(memo->viewport(), at(2));
  EXPECT_EQ(memo->GetSelectedText(), "на большая") << "dragged left: up to the word's end";
  QTest::mouseRelease(memo->viewport(), Qt::LeftButton, {}, at(2));
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, at(3));
  QTest::mouseMove(memo->viewport(), at(9));
  EXPECT_EQ(memo->GetSelectedText(), "") << "a plain click after it drags nothing";
}
