// TVMemo: the keyboard map, the mouse with drag auto-scroll, the wheel, the scroll bars and
// keyboard focus.
#include "VMemo.h"

#include "Words.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

bool TVMemo::KeyDown(int key, Qt::KeyboardModifiers shift) {
  if (key == Qt::Key_Backtab)
    key = Qt::Key_Tab; // Shift never picks another row of the map
  if (shift & Qt::AltModifier) {
    switch (key) {
    case Qt::Key_Up:
      PrevBand();
      return true;
    case Qt::Key_Down:
      NextBand();
      return true;
    case Qt::Key_Left:
      PrevDiff();
      return true;
    case Qt::Key_Right:
      NextDiff();
      return true;
    case Qt::Key_Home:
      LeftmostDiff();
      return true;
    case Qt::Key_End:
      RightmostDiff();
      return true;
    default:
      return false;
    }
  }

  if (shift & Qt::ControlModifier) {
    switch (key) {
    case Qt::Key_Home:
      MoveCaret(0, 0, false);
      return true;
    case Qt::Key_End:
      MoveCaret(kEndOfLine, LineCount() - 1, false);
      return true;
    case Qt::Key_Left:
      MoveCaret(FCaretCol - 10, FCaretLine, false);
      return true;
    case Qt::Key_Right:
      MoveCaret(FCaretCol + 10, FCaretLine, false);
      return true;
    case Qt::Key_Up:
      ScrollWithCaret(-1);
      return true;
    case Qt::Key_Down:
      ScrollWithCaret(1);
      return true;
    case Qt::Key_PageUp:
      MoveCaret(FCaretCol, FTopLine, false);
      return true;
    case Qt::Key_PageDown:
      MoveCaret(FCaretCol, std::min(LineCount() - 1, FTopLine + FVisibleLines - 1), false);
      return true;
    case Qt::Key_A:
      SelectAll();
      return true;
    case Qt::Key_C:
      CopyToClipboard();
      return true;
    case Qt::Key_F:
      OpenFindDialog();
      return true;
    default:
      return false;
    }
  }

  switch (key) {
  case Qt::Key_Left:
    CaretLeft();
    return true;
  case Qt::Key_Right:
    CaretRight();
    return true;
  case Qt::Key_Up:
    MoveCaret(FCaretCol, FCaretLine - 1, false);
    return true;
  case Qt::Key_Down:
    MoveCaret(FCaretCol, FCaretLine + 1, false);
    return true;
  case Qt::Key_Home:
    MoveCaret(0, FCaretLine, false);
    return true;
  case Qt::Key_End:
    MoveCaret(kEndOfLine, FCaretLine, false);
    return true;
  case Qt::Key_PageUp:
    ScrollWithCaret(1 - FVisibleLines);
    return true;
  case Qt::Key_PageDown:
    ScrollWithCaret(FVisibleLines - 1);
    return true;
  case Qt::Key_Tab:
    if (!FWantTab)
      return false;
    SwitchPane();
    return true;
  case Qt::Key_F3:
    FindNext(QCoreApplication::translate("Dorix", "больше "));
    return true;
  default:
    return false;
  }
}

void TVMemo::keyPressEvent(QKeyEvent *event) {
  if (KeyDown(event->key(), event->modifiers()))
    event->accept();
  else
    event->ignore(); // back to the window for its own handling
}

bool TVMemo::focusNextPrevChild(bool next) {
  return FWantTab ? false : QAbstractScrollArea::focusNextPrevChild(next);
}

void TVMemo::focusInEvent(QFocusEvent *event) {
  QAbstractScrollArea::focusInEvent(event);
  FCaretShown = false;
  ScrollToCaret();
  UpdateCaretPos();
}

void TVMemo::focusOutEvent(QFocusEvent *event) {
  QAbstractScrollArea::focusOutEvent(event);
  ShowCaret(false);
}

// --- scroll bars and wheel ---

void TVMemo::OnVertAction(int action) {
  QScrollBar *bar = verticalScrollBar();
  int top = FTopLine;
  switch (action) {
  case QAbstractSlider::SliderSingleStepSub:
    top -= 1;
    break;
  case QAbstractSlider::SliderSingleStepAdd:
    top += 1;
    break;
  case QAbstractSlider::SliderPageStepSub:
    top -= FVisibleLines;
    break;
  case QAbstractSlider::SliderPageStepAdd:
    top += FVisibleLines;
    break;
  case QAbstractSlider::SliderMove:
    if (ShowsPart())
      return; // the bar still measures the whole text, the lines are a part of it
    top = bar->sliderPosition();
    break;
  default:
    break;
  }
  top = std::max(0, std::min(top, LineCount() - FVisibleLines));
  if (top != FTopLine) {
    FTopLine = top;
    ForgetSavedTops();
    UpdateCaretPos();
    viewport()->update();
  }
  bar->setSliderPosition(FTopLine); // the bar shows our position, not its own idea of it
}

void TVMemo::OnHorzAction(int action) {
  QScrollBar *bar = horizontalScrollBar();
  std::int64_t x = FScrollX;
  const int width = FClientArea.width();
  switch (action) {
  case QAbstractSlider::SliderSingleStepSub:
    x -= FCharWidth;
    break;
  case QAbstractSlider::SliderSingleStepAdd:
    x += FCharWidth;
    break;
  case QAbstractSlider::SliderPageStepSub:
    x -= width - FCharWidth;
    break;
  case QAbstractSlider::SliderPageStepAdd:
    x += width - FCharWidth;
    break;
  case QAbstractSlider::SliderMove:
    x = bar->sliderPosition();
    break;
  default:
    break;
  }
  x = std::max<std::int64_t>(0, std::min(x, HorzScrollMaximum() - width));
  if (x != FScrollX) {
    FScrollX = static_cast<int>(x);
    UpdateCaretPos();
    viewport()->update();
  }
  bar->setSliderPosition(FScrollX);
}

void TVMemo::wheelEvent(QWheelEvent *event) {
  ScrollView(event->angleDelta().y() / 40);
  event->accept();
}

// --- mouse ---

void TVMemo::MousePress(const QPoint &pos) {
  if (!HasKeyboardFocus())
    setFocus(Qt::MouseFocusReason);
  FMousePos = pos;
  if (pos.x() <= GutterWidth())
    return;
  PointToCaret(pos.x(), pos.y());
  StartSelection(FCaretCol, FCaretLine, CaretPane());
  UpdateCaretPos();
  FDragging = true;
  FDragWord.reset();
  FScrollTimer.start();
  viewport()->update();
}

void TVMemo::mousePressEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton)
    MousePress(event->position().toPoint());
}

void TVMemo::mouseDoubleClickEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton)
    return;
  MousePress(event->position().toPoint());
  if (FHexMode || !FDragging || FCaretLine >= LineCount())
    return; // the hex layout's columns and the gutter keep the single click's behaviour
  SelectWordAtCaret();
  if (FSelection && FSelection->Start != FSelection->End)
    FDragWord = *FSelection; // held or dragged on, the word stays whole
}

void TVMemo::SelectWordAtCaret() {
  const std::string text = FModel.GetLineText(FCaretLine);
  const TVWordRule rule{FModel.TextForm().Utf8, FCodePage};
  const TVByteSpan word = WordAround(text, static_cast<std::size_t>(FCaretCol), rule);
  if (word.Start == word.End)
    return; // past the end of the line: the caret stays where the click put it
  StartSelection(static_cast<std::int32_t>(word.Start), FCaretLine, CaretPane());
  FCaretCol = static_cast<std::int32_t>(word.End);
  ExtendSelection(FCaretCol, FCaretLine);
  UpdateCaretPos();
  viewport()->update();
}

// The selection of a double click followed by a drag: the word, and the text from it up to the
// pointer on either side.
void TVMemo::ExtendFromWord(const TVTextRange &word) {
  const TVPosition pointer = Caret();
  FSelection = word;
  if (pointer < word.Start || word.End < pointer) {
    FSelection->Anchor = pointer < word.Start ? word.End : word.Start;
    FSelection->ExtendTo(pointer);
  } else {
    FCaretCol = word.End.Col; // inside the word: the caret stays at its end
    FCaretLine = word.End.Line;
  }
}

void TVMemo::mouseMoveEvent(QMouseEvent *event) {
  const QPoint pos = event->position().toPoint();
  FMousePos = pos;
  if (event->buttons() != Qt::NoButton) { // the control holds the capture
    const bool inText = pos.x() > GutterWidth() && pos.x() < FClientArea.width() && pos.y() > 0 &&
                        pos.y() < FClientArea.height();
    if (FDragging && inText)
      DragTo();
    return;
  }
  FScrollTimer.stop();
  FDragging = false;
  FDragWord.reset();
  viewport()->setCursor(pos.x() > GutterWidth() ? Qt::IBeamCursor : Qt::ArrowCursor);
}

void TVMemo::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton)
    return;
  FScrollTimer.stop();
  FDragging = false;
  FDragWord.reset();
}

void TVMemo::DragTo() {
  PointToCaret(FMousePos.x(), FMousePos.y());
  if (FDragWord)
    ExtendFromWord(*FDragWord);
  else
    ExtendSelection(FCaretCol, FCaretLine);
  viewport()->update();
  ScrollToCaret();
  const int oldTop = FTopLine;
  if (FCaretLine < FTopLine)
    FTopLine = FCaretLine;
  else if (FCaretLine > FTopLine + FVisibleLines - 1)
    FTopLine = FCaretLine - FVisibleLines + 1;
  if (FTopLine != oldTop) {
    ForgetSavedTops();
    SyncVertScroll();
    viewport()->repaint();
    QApplication::processEvents(); // a release that arrived meanwhile stops the next tick
  }
  UpdateCaretPos();
}
