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

void TVMemo::SetFoundColors(TColorValue color, TColorValue fontColor) {
  FFoundColor = color;
  FFoundFontColor = fontColor;
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

namespace {

// How far back a view looks for the start of the text line at its top. A longer line is laid out
// from the top itself until the whole build has placed its wrap points.
constexpr std::int64_t kLineStartReach = std::int64_t{256} << 10;

} // namespace

void TVMemo::Relayout() {
  if (FUpdateLock != 0)
    return;
  const std::optional<TRelayout> plan = PlanRelayout();
  if (plan && FBackgroundBuilds && FModel.TextBytes() > kWorkInPlaceBytes) {
    ShowSomeLines(*plan);
    BuildInBackground(*plan);
    return;
  }
  if (plan)
    BuildAll(*plan);
  if (OnRelayoutDone)
    OnRelayoutDone();
}

void TVMemo::BuildAll(const TRelayout &plan) {
  TWaitCursor wait;
  FModel.BuildLines(plan.Width, FHexMode);
  ShowLines(plan);
}

std::pair<std::int64_t, std::int64_t> TVMemo::TopAndCaretOffsets() const {
  std::int64_t top = FModel.PositionToOffset(0, FTopLine, false);
  std::int64_t caret =
      FModel.PositionToOffset(FCaretCol, FCaretLine, FLayoutMode == lmHex && FCaretInHex);
  // Over a part of the lines, the places wanted when it was laid out stand until the user moves.
  if (ShowsPart()) {
    if (FTopLine == FPartialShown.Top)
      top = FPending->TopOffset;
    if (Caret() == FPartialShown.Caret)
      caret = FPending->CaretOffset;
  }
  return {top, caret};
}

std::optional<TVMemo::TRelayout> TVMemo::PlanRelayout() {
  const auto [topOffset, caretOffset] = TopAndCaretOffsets();
  FTextTask.Stop();  // a search or copy over the lines about to go
  FBuildTask.Stop(); // a build for an older width or mode
  FBuilt.reset();
  if (!ShowsPart()) // a part's line numbers are its own
    FSavedTops[FLayoutMode] = {FTopLine, topOffset};
  if (FModel.LfBreaks() != FBuiltLfBreaks)
    ForgetSavedTops(); // their line numbers count the lines of the other rule
  FBuiltLfBreaks = FModel.LfBreaks();
  FPending.reset();

  DisposeLines();
  FScrollX = 0;
  FLayoutWidth = FClientArea.width();
  FSearchCache = 0; // the next search builds its texts from the new lines

  TRelayout plan{CurrentLayoutMode(), kNoWrap, topOffset, caretOffset};
  if (plan.Mode == lmHex) {
    plan.Width = kHexBytesPerLine;
  } else if (plan.Mode == lmWrap) {
    if (FClientArea.width() <= 0 || WrapWidth() <= 0)
      return std::nullopt; // too narrow for one character: no lines until a usable width comes
    plan.Width = WrapWidth();
  }
  if (plan.Mode == FLayoutMode) // a new width or new lines: the top stays on its text
    FSavedTops[plan.Mode] = {};
  return plan;
}

// The top of a layout: where it was when the user last saw that layout, else the text at the top
// now; between the wrapped and the plain layout, the text the other one had at its top.
std::int64_t TVMemo::WantedTopOffset(const TRelayout &plan) const {
  if (plan.Mode == lmWrap && FSavedTops[lmPlain].Line >= 0)
    return FSavedTops[lmPlain].Offset;
  if (plan.Mode == lmPlain && FSavedTops[lmWrap].Line >= 0)
    return FSavedTops[lmWrap].Offset;
  return plan.TopOffset;
}

void TVMemo::ShowLines(const TRelayout &plan) {
  FTopLine = FSavedTops[plan.Mode].Line;
  if (FTopLine < 0) {
    const std::int64_t offset = WantedTopOffset(plan);
    FTopLine = FModel.LineOfOffset(offset);
    FSavedTops[plan.Mode] = {FTopLine, offset};
  }

  const TVPosition caret = FModel.OffsetToPosition(plan.CaretOffset, FHexMode && FCaretInHex);
  FCaretCol = caret.Col;
  FCaretLine = caret.Line;
  FVisibleLines = Geometry().VisibleLines(FClientArea.height());
  FLayoutMode = plan.Mode;
  UpdateScrollBars();
  MoveCaret(FCaretCol, FCaretLine, true);
  viewport()->update();
  if (FAutoRelayout && plan.Mode == lmWrap && LayoutWidthChanged())
    PostRelayout(); // the window was resized while the lines were built
}

void TVMemo::ShowSomeLines(const TRelayout &plan) {
  // The lines from a screenful above the top to two below it: the text line starts found by
  // walking back are line starts of the whole build at any width, as is every 16th byte in hex.
  const std::int64_t top =
      FSavedTops[plan.Mode].Line >= 0 ? FSavedTops[plan.Mode].Offset : WantedTopOffset(plan);
  const int screen = std::max(1, Geometry().VisibleLines(FClientArea.height()));
  const auto lineStart = [&](std::int64_t offset) {
    return FHexMode ? offset - offset % kHexBytesPerLine
                    : FModel.TextLineStart(offset, kLineStartReach);
  };
  std::int64_t start = lineStart(top);
  for (int up = 0; up < screen && start > 0; ++up)
    start = FHexMode ? start - kHexBytesPerLine : lineStart(start - 1);
  FModel.BuildSomeLines(plan.Width, FHexMode, start, 4 * screen);
  if (FModel.LineOfOffset(top) + screen >= FModel.LineCount() && start < lineStart(top)) {
    FModel.Clear(); // the lines above took the room: from the top's own line
    FModel.BuildSomeLines(plan.Width, FHexMode, lineStart(top), 3 * screen);
  }
  FTopLine = FModel.LineOfOffset(top);
  const TVPosition caret = FModel.OffsetToPosition(plan.CaretOffset, FHexMode && FCaretInHex);
  const bool caretShown =
      plan.CaretOffset >= FModel.GetLine(0).FStart && caret.Line + 1 < FModel.LineCount();
  FCaretCol = caretShown ? caret.Col : 0;
  FCaretLine = caretShown ? caret.Line : FTopLine;
  FVisibleLines = screen;
  FLayoutMode = plan.Mode;
  FPending = plan;
  FPartialShown = {FTopLine, Caret()};
  UpdateScrollBars();
  UpdateCaretPos();
  viewport()->update();
}

void TVMemo::BuildInBackground(const TRelayout &plan) {
  FBuilt = FModel.EmptyCopy();
  FBuildPercent = 0;
  FBuilt->OnProgress = [this](const void *, std::int32_t percent, TVProgressStage stage) {
    if (stage == psStep && percent >= 0)
      FBuildPercent = percent;
  };
  TVLineModel *built = FBuilt.get();
  const bool hex = FHexMode;
  FBuildTask.Start(
      [built, width = plan.Width, hex, onStart = OnBuildStart](std::stop_token stop) {
        if (onStart)
          onStart(stop);
        built->BuildLines(width, hex, stop);
      },
      [this](std::exception_ptr failure) { LinesBuilt(failure); });
  if (OnBuildStarted)
    OnBuildStarted();
}

void TVMemo::LinesBuilt(std::exception_ptr failure) {
  TRelayout plan = *FPending;
  std::tie(plan.TopOffset, plan.CaretOffset) = TopAndCaretOffsets();
  FPending.reset();
  FModel.TakeLines(std::move(*FBuilt));
  FBuilt.reset();
  FBuildFailure = failure; // the lines stay empty
  ShowLines(plan);
  RunWaitingCommands();
  if (OnRelayoutDone)
    OnRelayoutDone();
}

void TVMemo::StopBuilding() {
  if (!FBuildTask.Running())
    return;
  FBuildTask.Stop();
  FBuilt.reset();
  FAfterBuild.clear();
  FPending.reset();
  FModel.Clear();
  ForgetSavedTops();
  FTopLine = FCaretLine = FCaretCol = 0;
  UpdateScrollBars();
  UpdateCaretPos();
  viewport()->update();
}

void TVMemo::RunWaitingCommands() {
  // One at a time: a command may start work of its own, which the rest then wait for.
  while (!FAfterBuild.empty() && !FBuildTask.Running() && !FTextTask.Running()) {
    const std::function<void()> command = std::move(FAfterBuild.front());
    FAfterBuild.erase(FAfterBuild.begin());
    command();
  }
}

void TVMemo::DisposeLines() {
  // Freeing the lines of a gigabyte takes longer than a resize may: a thread of its own does it.
  if (FModel.LineStorageBytes() < kWorkInPlaceBytes) {
    FModel.Clear();
    return;
  }
  auto old = std::make_shared<TVLineModel>();
  old->TakeLines(std::move(FModel));
  FDisposer.Dispose(std::move(old));
}

bool TVMemo::WaitForLines(std::function<void()> command) {
  if (!FBuildTask.Running() && !FTextTask.Running())
    return false;
  FAfterBuild.push_back(std::move(command));
  return true;
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
  if (!ShowsPart()) { // over a part the bar keeps the whole text's range until its count is known
    QScrollBar *vert = verticalScrollBar();
    vert->setRange(0, std::max(0, count - page));
    vert->setPageStep(std::max(1, page));
    vert->setValue(FTopLine);
    vert->setEnabled(count > page); // disabled, not hidden, when every line fits
  }

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
