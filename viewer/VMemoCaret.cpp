// TVMemo: positions and offsets, the caret, selection and scrolling that keep the caret in view.
#include "VMemo.h"

#include <QGuiApplication>
#include <QScrollBar>
#include <QStyleHints>

#include <algorithm>

TVPane TVMemo::CaretPane() const {
  if (!FHexMode)
    return paneText;
  return FCaretInHex ? paneHexDigits : paneHexChars;
}

std::int32_t TVMemo::LineEndColumn() const {
  switch (CaretPane()) {
  case paneHexDigits:
    return kHexLastColumn;
  case paneHexChars:
    return kHexBytesPerLine;
  case paneText:
    break;
  }
  return FCaretLine >= 0 && FCaretLine < LineCount() ? FModel.GetLine(FCaretLine).FLength : 0;
}

QRect TVMemo::CaretRect() const {
  return FCaretRect;
}

void TVMemo::UpdateCaretPos() {
  if (!HasKeyboardFocus())
    return;
  const TVCellGeometry g = Geometry();
  const TVRect r = g.CaretRect(CaretPane(), CellColumn(FCaretLine, FCaretCol), FCaretLine);
  const QRect old = CaretRect();
  // A caret far outside is kept at a distance the toolkit's coordinates can hold.
  FCaretRect =
      QRect(static_cast<int>(std::clamp<std::int64_t>(r.Left, -1'000'000, 1'000'000)),
            static_cast<int>(r.Top), static_cast<int>(r.Width), static_cast<int>(r.Height));
  viewport()->update(old);
  viewport()->update(CaretRect());
  ShowCaret(r.Left >= g.GutterWidth());
}

void TVMemo::ShowCaret(bool show) {
  if (show == FCaretShown)
    return;
  FCaretShown = show;
  RestartBlink();
}

void TVMemo::ApplyFlashTime() {
  // A desktop that turns blinking off reports no flash time: the caret then simply stays on.
  const int flash = QGuiApplication::styleHints()->cursorFlashTime();
  FBlinkTimer.setInterval(flash > 0 ? std::max(1, flash / 2) : 0);
  RestartBlink();
}

void TVMemo::RestartBlink() {
  FBlinkOn = true;
  if (FCaretShown && FBlinkTimer.interval() > 0)
    FBlinkTimer.start();
  else
    FBlinkTimer.stop();
  viewport()->update(CaretRect());
}

void TVMemo::BlinkCaret() {
  FBlinkOn = !FBlinkOn;
  viewport()->update(CaretRect());
}

void TVMemo::PointToCaret(int x, int y) {
  const TVCell cell = Geometry().CellAt(x, y);
  if (FHexMode)
    FCaretInHex = cell.Pane == paneHexDigits;
  FCaretLine = std::max(0, std::min(cell.Line, LineCount() - 1));
  FCaretCol = ByteColumn(FCaretLine, cell.Col);
}

void TVMemo::MoveCaret(std::int32_t col, std::int32_t line, bool force) {
  BeforeCaretMove();
  line = std::max(0, std::min(line, LineCount() - 1));
  bool moved = false;
  if (force || line != FCaretLine) {
    FCaretLine = line;
    const int oldTop = FTopLine;
    if (line < FTopLine)
      FTopLine = line;
    else if (line > FTopLine + FVisibleLines - 1)
      FTopLine = std::max(0, line - FVisibleLines + 1);
    if (FTopLine != oldTop) {
      ForgetSavedTops();
      SyncVertScroll();
    }
    moved = true;
  }
  const std::int32_t end = LineEndColumn();
  if (col == kEndOfLine)
    col = end;
  if (FWrapMode && col > end)
    col = end;
  col = CharacterStart(line, std::max(col, 0));
  if (force || col != FCaretCol) {
    FCaretCol = col;
    ScrollToCaret();
    moved = true;
  }
  if (moved)
    UpdateCaretPos();
  AfterCaretMove();
}

void TVMemo::ScrollToColumn(std::int32_t col) {
  const TVCellGeometry g = Geometry();
  const std::int64_t w = FClientArea.width() - g.GutterWidth();
  const std::int64_t left = g.ContentX(CaretPane(), CellColumn(FCaretLine, col)),
                     right = left + FCharWidth;
  std::int64_t scroll = FScrollX;
  if (left < scroll)
    scroll = left; // the column comes to the left edge
  else if (right - scroll > w)
    scroll = right - w; // the column comes to the right edge
  scroll = std::clamp<std::int64_t>(scroll, 0, INT32_MAX);
  if (scroll != FScrollX) {
    FScrollX = static_cast<int>(scroll);
    SyncHorzScroll();
  }
}

void TVMemo::SyncVertScroll() {
  verticalScrollBar()->setValue(FTopLine);
  viewport()->update();
}

void TVMemo::SyncHorzScroll() {
  horizontalScrollBar()->setValue(FScrollX);
  UpdateCaretPos();
  viewport()->update();
}

void TVMemo::ScrollView(std::int32_t lines) {
  const int top = std::max(0, std::min(FTopLine - lines, LineCount() - FVisibleLines));
  if (top == FTopLine)
    return;
  FTopLine = top;
  ForgetSavedTops();
  SyncVertScroll();
  UpdateCaretPos();
}

void TVMemo::ScrollWithCaret(std::int32_t lines) {
  BeforeCaretMove();
  int step = 0;
  if (lines < 0) {
    step = std::max(lines, -FTopLine);
  } else {
    const int hidden = LineCount() - FTopLine - FVisibleLines; // lines below the view
    if (hidden > 0)
      step = std::min({hidden, FVisibleLines - 1, lines});
  }
  if (step == 0)
    return;
  FTopLine += step;
  FCaretLine = std::max(0, std::min(FCaretLine + step, LineCount() - 1));
  ForgetSavedTops();
  SyncVertScroll();
  UpdateCaretPos();
  AfterCaretMove();
}

void TVMemo::CaretLeft() {
  if (FCaretCol > 0)
    MoveCaret(FCaretCol - 1, FCaretLine, false);
  else if ((FWrapMode || FHexMode) && FCaretLine > 0)
    MoveCaret(kEndOfLine, FCaretLine - 1, false);
}

void TVMemo::CaretRight() {
  if ((FWrapMode || FHexMode) && FCaretCol >= LineEndColumn()) {
    if (FCaretLine + 1 < LineCount())
      MoveCaret(0, FCaretLine + 1, false);
    return;
  }
  MoveCaret(NextCharacter(FCaretLine, FCaretCol), FCaretLine, false);
}

void TVMemo::SwitchPane() {
  QWidget *container = parentWidget() ? parentWidget()->parentWidget() : nullptr;
  if (!container)
    return;
  if (FHexMode) {
    FCaretInHex = !FCaretInHex;
    FCaretCol = FCaretInHex ? ByteToHexColumn(FCaretCol) : HexColumnToByte(FCaretCol);
    ScrollToCaret();
    UpdateCaretPos();
    viewport()->update();
    return;
  }
  // The request for focus two levels up: in a window that is already active it changes nothing.
  container->window()->activateWindow();
}

// --- selection ---

void TVMemo::BeforeCaretMove() {
  if (!HasKeyboardFocus())
    return;
  const bool shift = QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
  if (shift && !FSelection) {
    StartSelection(FCaretCol, FCaretLine, CaretPane());
    viewport()->update();
  } else if (!shift && FSelection) {
    ClearSelection();
    viewport()->update();
  }
  if (FFound) {
    FFound.reset();
    viewport()->update();
  }
}

void TVMemo::AfterCaretMove() {
  if (!HasKeyboardFocus() || !FSelection)
    return;
  if (QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier) {
    ExtendSelection(FCaretCol, FCaretLine);
    viewport()->update();
  }
}

void TVMemo::StartSelection(std::int32_t col, std::int32_t line, TVPane pane) {
  FSelection = TVTextRange::At({col, line}, pane);
}

void TVMemo::ExtendSelection(std::int32_t col, std::int32_t line) {
  if (FSelection)
    FSelection->ExtendTo({col, line});
}

void TVMemo::SelectAll() {
  if (WaitForLines([this] { SelectAll(); }))
    return;
  if (LineCount() == 0)
    return;
  const TVPane pane = CaretPane();
  StartSelection(0, 0, pane);
  const int last = LineCount() - 1;
  const std::int32_t length = FModel.GetLine(last).FLength;
  ExtendSelection(pane == paneHexDigits ? ByteToHexColumn(length) : length, last);
  viewport()->update();
}
