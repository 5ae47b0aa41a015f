// TVMemo: display modes, font metrics, relayout with the top line and caret kept on the same
// text, and the scroll bars.
#include "VMemo.h"
#include "WaitCursor.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

void TVMemo::SetWrapMode(bool on) {
  FWrapMode = on;
}

void TVMemo::SetViewFilter(std::int32_t filter) {
  FModel.SetViewFilter(filter);
}

void TVMemo::SetHexMode(bool on) {
  if (on == FHexMode)
    return;
  FHexMode = on;
  // The next relayout finds the caret's text by its column in the pane the lines show now; a
  // caret in the character pane moves to the same byte in the digits before the pane changes.
  if (FLayoutMode == lmHex && !FCaretInHex)
    FCaretCol = ByteToHexColumn(FCaretCol);
  FCaretInHex = true;
  UpdateCaretPos();
}

void TVMemo::SetOemMode(bool on) {
  SetCodePage(on ? TCodePage::Dos866 : TCodePage::Windows1251);
}

void TVMemo::SetCodePage(TCodePage page) {
  if (page == FCodePage)
    return;
  FCodePage = page; // the lines do not depend on the code page, only their drawing does
  viewport()->update();
}

void TVMemo::SetHaveLeft(bool on) {
  FHaveLeft = on;
  viewport()->update();
}

void TVMemo::SetColor(TColorValue color) {
  FColor = color;
  viewport()->update();
}

void TVMemo::SetFontColor(TColorValue color) {
  FFontColor = color;
  viewport()->update();
}

TVCellGeometry TVMemo::Geometry() const {
  return {FCharWidth, FLineHeight, FHaveLeft, FHexMode, FScrollX, FTopLine};
}

TVLayoutMode TVMemo::CurrentLayoutMode() const {
  if (FHexMode)
    return lmHex;
  return FWrapMode ? lmWrap : lmPlain;
}

void TVMemo::ForgetSavedTops() {
  FSavedTops.fill({});
}

void TVMemo::UpdateFontMetrics() {
  const QFontMetrics metrics(font());
  FCharWidth = std::max(1, metrics.averageCharWidth());
  FLineHeight = std::max(1, metrics.height() + std::max(0, metrics.leading()));
}

void TVMemo::changeEvent(QEvent *event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange)
    UpdateFontMetrics();
}

void TVMemo::resizeEvent(QResizeEvent *event) {
  QAbstractScrollArea::resizeEvent(event);
  FClientArea = QRect(0, 0, viewport()->width(), viewport()->height());
  FVisibleLines = Geometry().VisibleLines(FClientArea.height());
  if (FAutoRelayout && !FHexMode && FWrapMode && LayoutWidthChanged())
    PostRelayout();
  else
    UpdateScrollBars();
}

void TVMemo::PostRelayout() {
  // A drag sends many sizes; rewrapping a large text for each would freeze the window. One
  // relayout per turn of the event loop, for the width the window has by then.
  if (FRelayoutPosted)
    return;
  FRelayoutPosted = true;
  QTimer::singleShot(0, this, [this] {
    FRelayoutPosted = false;
    if (FAutoRelayout && !FHexMode && FWrapMode && LayoutWidthChanged())
      Relayout();
  });
}

std::int32_t TVMemo::WrapWidth() const {
  return Geometry().WrapWidth(FClientArea.width());
}

void TVMemo::Relayout() {
  if (FUpdateLock != 0)
    return;
  {
    // The lock also keeps a size message during the build from starting another one. Both go
    // when the build ends, also by an exception from a progress report.
    struct Building {
      TVMemo &memo;
      Building(TVMemo &m) : memo(m) { ++memo.FUpdateLock, memo.FBuilding = true; }
      ~Building() { --memo.FUpdateLock, memo.FBuilding = false; }
    } building{*this};
    TWaitCursor wait;
    RebuildLines();
  }
  if (OnRelayoutDone)
    OnRelayoutDone();
}

void TVMemo::RebuildLines() {
  const std::int64_t caretOffset =
      FModel.PositionToOffset(FCaretCol, FCaretLine, FLayoutMode == lmHex && FCaretInHex);
  const std::int64_t topOffset = FModel.PositionToOffset(0, FTopLine, false);
  FSavedTops[FLayoutMode] = {FTopLine, topOffset};
  if (FModel.LfBreaks() != FBuiltLfBreaks)
    ForgetSavedTops(); // their line numbers count the lines of the other rule
  FBuiltLfBreaks = FModel.LfBreaks();

  FModel.Clear();
  FScrollX = 0;
  FLayoutWidth = FClientArea.width();
  FSearchCache = 0; // the next search builds its texts from the new lines

  const TVLayoutMode mode = CurrentLayoutMode();
  std::int32_t width = kNoWrap;
  if (mode == lmHex) {
    width = kHexBytesPerLine;
  } else if (mode == lmWrap) {
    if (FClientArea.width() <= 0 || WrapWidth() <= 0)
      return; // too narrow for one character: no lines until a usable width comes
    width = WrapWidth();
  }
  FModel.BuildLines(width, FHexMode);

  FTopLine = FSavedTops[mode].Line;
  if (FTopLine < 0) {
    std::int64_t offset = topOffset;
    if (mode == lmWrap && FSavedTops[lmPlain].Line >= 0)
      offset = FSavedTops[lmPlain].Offset;
    else if (mode == lmPlain && FSavedTops[lmWrap].Line >= 0)
      offset = FSavedTops[lmWrap].Offset;
    FTopLine = FModel.LineOfOffset(offset);
    FSavedTops[mode] = {FTopLine, offset};
  }

  const TVPosition caret = FModel.OffsetToPosition(caretOffset, FHexMode && FCaretInHex);
  FCaretCol = caret.Col;
  FCaretLine = caret.Line;
  FVisibleLines = Geometry().VisibleLines(FClientArea.height());
  FLayoutMode = mode;
  UpdateScrollBars();
  MoveCaret(FCaretCol, FCaretLine, true);
  viewport()->update();
  if (FAutoRelayout && mode == lmWrap && LayoutWidthChanged())
    PostRelayout(); // the window was resized while the lines were built
}

std::int64_t TVMemo::HorzScrollMaximum() const {
  return Geometry().HorzScrollMaximum(FModel.MaxLineLength());
}

void TVMemo::UpdateScrollBars() {
  const int count = LineCount();
  const int page = Geometry().VisibleLines(FClientArea.height());
  if (FTopLine > count - FVisibleLines) {
    FTopLine = std::max(0, count - FVisibleLines);
    ForgetSavedTops();
  }
  QScrollBar *vert = verticalScrollBar();
  vert->setRange(0, std::max(0, count - page));
  vert->setPageStep(std::max(1, page));
  vert->setValue(FTopLine);
  vert->setEnabled(count > page); // disabled, not hidden, when every line fits

  const std::int64_t maximum = HorzScrollMaximum();
  const int width = FClientArea.width();
  if (FScrollX > maximum - width)
    FScrollX = static_cast<int>(std::max<std::int64_t>(0, maximum - width));
  QScrollBar *horz = horizontalScrollBar();
  horz->setRange(0, static_cast<int>(std::clamp<std::int64_t>(maximum - width + 1, 0, INT32_MAX)));
  horz->setPageStep(std::max(1, width));
  horz->setSingleStep(FCharWidth);
  horz->setValue(FScrollX);
}

// The bars only show our position; every change goes through the actions below.
void TVMemo::scrollContentsBy(int, int) {}
