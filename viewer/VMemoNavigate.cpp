// TVMemo: stepping through the differences, band by band and zone by zone.
#include "VMemo.h"

#include <algorithm>

namespace {

// Where the boundary walk of a line stands: zone j starts at column b.
struct ZoneAt {
  std::size_t j;
  std::int32_t b;
};

} // namespace

bool TVMemo::IsEqualLine(int i) const {
  return FModel.GetLine(i).FKind == 0;
}

bool TVMemo::IsSharedZone(const TVMemoLineZone &zone) const {
  // Text whose bytes differ only in what the comparison looks past is shared all the same.
  return zone.Kind == FModel.FUpdatedKind || zone.Kind == kindIgnored;
}

bool TVMemo::CaretLineExists() const {
  return FCaretLine >= 0 && FCaretLine < LineCount();
}

std::int32_t TVMemo::ColumnFactor() const {
  return CaretPane() == paneHexDigits ? 3 : 1;
}

// The hex-digit pane ends at column 47, the blank after the 16th byte's digits.
std::int32_t TVMemo::ClampToPane(std::int32_t col) const {
  return CaretPane() == paneHexDigits ? std::min(col, kHexLastColumn) : col;
}

std::int32_t TVMemo::ScreenColumns() const {
  return Geometry().ScreenColumns(FClientArea.width());
}

int TVMemo::ScanBandUp(int start, bool equal) const {
  int i = start;
  while (i > 0 && IsEqualLine(i) == equal)
    --i;
  return i;
}

int TVMemo::ScanBandDown(int start, bool equal) const {
  int i = start;
  while (i < LineCount() - 1 && IsEqualLine(i) == equal)
    ++i;
  return i;
}

void TVMemo::StepBand(bool up) {
  if (WaitForLines([this, up] { StepBand(up); }))
    return;
  if (!CaretLineExists())
    return;
  auto scan = [this, up](int start, bool equal) {
    return up ? ScanBandUp(start, equal) : ScanBandDown(start, equal);
  };
  const bool equal = IsEqualLine(FCaretLine);
  int i = scan(FCaretLine, equal);
  if (equal && IsEqualLine(i))
    return; // no difference in that direction
  if (!equal && !HasKeyboardFocus()) {
    // From a menu or button while another control has the focus: straight on to the next
    // difference band in that direction.
    i = scan(i, true);
    if (IsEqualLine(i))
      return;
  }
  MoveCaret(FCaretCol, i, false);
}

int TVMemo::PrevDiffLine() const {
  if (!CaretLineExists())
    return FCaretLine;
  for (int i = FCaretLine - 1; i >= 0; --i)
    if (!IsEqualLine(i))
      return i;
  return FCaretLine;
}

int TVMemo::NextDiffLine() const {
  if (!CaretLineExists())
    return FCaretLine;
  for (int i = FCaretLine + 1; i < LineCount(); ++i)
    if (!IsEqualLine(i))
      return i;
  return FCaretLine;
}

void TVMemo::LeftmostDiffOf(int line) {
  const auto zones = FModel.ZonesOf(line);
  if (zones.empty())
    return; // no such line, or an empty one
  const std::int32_t m = ColumnFactor();
  std::size_t diff = 0;
  std::int32_t s = 0;
  if (IsSharedZone(zones[0])) {
    if (zones.size() < 2)
      return; // a shared zone with no difference beside it: nothing to go to
    s = m * zones[0].Length;
    diff = 1;
  }
  ScrollToColumn(s + std::min(m * zones[diff].Length + 1, ScreenColumns() - 1));
  MoveCaret(s, line, false);
}

void TVMemo::RightmostDiffOf(int line) {
  const auto zones = FModel.ZonesOf(line);
  if (zones.empty())
    return; // no such line, or an empty one
  const std::int32_t m = ColumnFactor();
  std::int32_t t = m * FModel.GetLine(line).FLength;
  std::size_t d = zones.size() - 1;
  if (IsSharedZone(zones[d])) {
    if (d == 0)
      return; // a shared zone with no difference beside it: nothing to go to
    t -= m * zones[d].Length;
    --d;
  }
  ScrollToColumn(t - std::min(m * zones[d].Length + 1, ScreenColumns() - 1));
  MoveCaret(ClampToPane(t), line, false); // the pane's own last column, with wrap on or off
}

void TVMemo::ToPrevDiffLine() {
  const int line = PrevDiffLine();
  if (line != FCaretLine)
    RightmostDiffOf(line);
}

void TVMemo::ToNextDiffLine() {
  const int line = NextDiffLine();
  if (line != FCaretLine)
    LeftmostDiffOf(line);
}

void TVMemo::StepDiff(bool forward) {
  if (WaitForLines([this, forward] { StepDiff(forward); }))
    return;
  BeforeCaretMove();
  if (!CaretLineExists())
    return;
  if (IsEqualLine(FCaretLine)) {
    forward ? ToNextDiffLine() : ToPrevDiffLine();
    return;
  }
  const auto zones = FModel.LineZones(FCaretLine);
  const std::int32_t m = ColumnFactor(), w = ScreenColumns();
  auto len = [&](std::size_t k) { return m * zones[k].Length; };
  auto towards = [&](std::size_t k) { return std::min(len(k) + 1, w - 1); }; // view margin

  // The zone under the caret; j = zones.size() at or beyond the end of the line's text.
  ZoneAt at{0, 0};
  while (at.j < zones.size() && at.b + len(at.j) <= FCaretCol)
    at.b += len(at.j++);

  std::int32_t col = 0, view = 0;
  if (forward) {
    if (at.j == zones.size() || (IsSharedZone(zones[at.j]) && at.j + 1 == zones.size())) {
      ToNextDiffLine();
      return;
    }
    // The end of this difference, or the start of the next one.
    col = ClampToPane(at.b + len(at.j));
    if (col == FCaretCol) {
      // A difference that ends a full row of hex digits ends at the pane's last column, where
      // the caret already is: the next stop is on a line below.
      ToNextDiffLine();
      return;
    }
    view = IsSharedZone(zones[at.j]) ? col + towards(at.j + 1) : col + 1;
  } else {
    if (at.j == zones.size()) {
      // Past the text: a caret beyond a final difference stops at its end first; otherwise
      // the walk goes on as from inside the last zone.
      if (zones.empty()) {
        ToPrevDiffLine();
        return;
      }
      at.j = zones.size() - 1;
      at.b -= len(at.j);
      if (!IsSharedZone(zones[at.j]) && FCaretCol > at.b + len(at.j)) {
        FCaretCol = at.b + len(at.j);
        ScrollToColumn(FCaretCol - towards(at.j));
        UpdateCaretPos();
        AfterCaretMove();
        return;
      }
    }
    const bool inside = at.b < FCaretCol;
    if (!IsSharedZone(zones[at.j])) {
      if (inside) {
        col = at.b;
        view = std::max(0, col - 1);
      } else if (at.j == 0 || (IsSharedZone(zones[at.j - 1]) && at.j < 2)) {
        ToPrevDiffLine();
        return;
      } else if (!IsSharedZone(zones[at.j - 1])) {
        col = at.b - len(at.j - 1); // the start of the difference before
        view = std::max(0, col - 1);
      } else {
        col = at.b - len(at.j - 1); // the end of the difference before the shared zone
        view = col - towards(at.j - 2);
      }
    } else {
      if (at.j == 0) {
        ToPrevDiffLine();
        return;
      }
      if (inside) {
        col = at.b; // the end of the difference before
        view = col - towards(at.j - 1);
      } else {
        col = at.b - len(at.j - 1); // the start of the difference before
        view = std::max(0, col - 1);
      }
    }
  }
  FCaretCol = col;
  ScrollToColumn(view);
  UpdateCaretPos();
  AfterCaretMove();
}

void TVMemo::GoToFirstDiff() {
  if (WaitForLines([this] { GoToFirstDiff(); }))
    return;
  int i = 0;
  while (i < LineCount() && IsEqualLine(i))
    ++i;
  if (i == LineCount())
    return; // no lines, or no difference line
  FTopLine = std::max(0, i - FVisibleLines + 1);
  FCaretLine = i;
  UpdateScrollBars();
  UpdateCaretPos();
  viewport()->update();
}

bool TVMemo::GoToOtherEnd(const std::function<int(int)> &otherEnd) {
  if (!CaretLineExists())
    return false;
  const bool hex = CaretPane() == paneHexDigits;
  const std::int64_t at = FModel.PositionToOffset(FCaretCol, FCaretLine, hex);
  const int count = FModel.Source().Count();
  const auto otherOf = [&](std::int64_t offset) {
    const int entry = FModel.EntryOfOffset(offset);
    return entry < count ? otherEnd(entry) : -1;
  };
  // A caret just behind the moved text (where a step through the differences leaves it) is on it.
  int other = otherOf(at);
  if (other < 0 && at > 0)
    other = otherOf(at - 1);
  const std::int64_t from = FModel.OffsetOfEntry(other);
  if (from < 0)
    return false;
  const auto to = from + static_cast<std::int64_t>(FModel.Source().Text(other).size());
  const TVPosition first = FModel.OffsetToPosition(from, hex),
                   last = FModel.OffsetToPosition(to, hex);
  // An end out of sight comes into view a quarter down, with what leads up to it above.
  if (first.Line < FTopLine || first.Line >= FTopLine + FVisibleLines) {
    FTopLine = std::max(0, first.Line - FVisibleLines / 4);
    UpdateScrollBars();
  }
  MoveCaret(first.Col, first.Line, true);
  // After the move, whose Shift rule clears a hit, as a search shows what it found.
  FFound = TVTextRange{first, last, first, CaretPane()};
  FSelection.reset();
  viewport()->update();
  return true;
}
