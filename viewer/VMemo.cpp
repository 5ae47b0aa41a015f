// TVMemo: construction, the style table and the line model built from the chunk list.
#include "VMemo.h"

#include "FindDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleHints>

#include <algorithm>
#include <cstring>

TVMemo::TVMemo(QWidget *parent) : QAbstractScrollArea(parent) {
  resize(180, 90);
  setFocusPolicy(Qt::StrongFocus);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent); // Paint covers every pixel itself
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setMouseTracking(true);

  FStyles.push_back({nullptr, nullptr, 0xFFFFFF, {}});
  ShowMessage = [this](const QString &text) {
    QMessageBox::information(window(), window()->windowTitle(), text);
  };
  SetSource(nullptr);

  FScrollTimer.setInterval(100);
  connect(&FScrollTimer, &QTimer::timeout, this, &TVMemo::DragTo);
  connect(&FBlinkTimer, &QTimer::timeout, this, &TVMemo::BlinkCaret);
  ApplyFlashTime();
  connect(QGuiApplication::styleHints(), &QStyleHints::cursorFlashTimeChanged, this,
          &TVMemo::ApplyFlashTime);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &TVMemo::OnVertAction);
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, &TVMemo::OnHorzAction);
  UpdateFontMetrics();
}

TVMemo::~TVMemo() {
  Clear();
}

void TVMemo::SetSource(TVKindStringList *list) {
  if (list) {
    FOwnedSource.reset();
    FSource = list;
  } else if (!FOwnedSource) {
    FOwnedSource = std::make_unique<TVKindStringList>();
    FSource = FOwnedSource.get();
  }
}

int TVMemo::AddStyle(const TVFont *font, TColorValue color, const QImage *glyph) {
  TVMemoStyle style{glyph, font, color, {}};
  if (glyph) {
    style.GlyphPixmap = QPixmap::fromImage(*glyph);
    style.GlyphPixmap.setMask(style.GlyphPixmap.createMaskFromColor(Qt::white));
  }
  FStyles.push_back(std::move(style));
  return static_cast<int>(FStyles.size()) - 1;
}

void TVMemo::SetStyle(int index, const TVFont *font, TColorValue color) {
  TVMemoStyle &style = FStyles.at(static_cast<std::size_t>(index));
  style.Font = font;
  style.Color = color;
}

const TVMemoStyle &TVMemo::GetLineStyle(int i) const {
  const auto kind = static_cast<std::size_t>(GetLine(i).FKind);
  return kind < FStyles.size() ? FStyles[kind] : FStyles[0];
}

std::span<const TVMemoLineZone> TVMemo::LineZones(int i) const {
  const TVMemoLine &line = GetLine(i);
  return {FZoneStore.data() + line.FFirstZone, line.FZoneCount};
}

std::string TVMemo::GetLineText(int i) const {
  std::string text;
  text.reserve(static_cast<std::size_t>(GetLine(i).FLength));
  for (const TVMemoLineZone &zone : LineZones(i))
    text += zone.Text();
  return text;
}

void TVMemo::Clear() {
  FLines.clear();
  FLines.shrink_to_fit();
  FZoneStore.clear();
  FZoneStore.shrink_to_fit();
}

TVMemoLine &TVMemo::AddLine() {
  FLines.push_back({0, 0, 0, static_cast<std::uint32_t>(FZoneStore.size()), 0});
  return FLines.back();
}

void TVMemo::AddZone(std::string_view text, std::int32_t kind) {
  if (FLines.empty())
    AddLine();
  // Zones are appended line by line, so the last line's zones stay one contiguous run.
  FZoneStore.push_back({text.data(), static_cast<std::int32_t>(text.size()), kind});
  TVMemoLine &line = FLines.back();
  ++line.FZoneCount;
  line.FLength += static_cast<std::int32_t>(text.size());
}

bool TVMemo::KindVisible(std::int32_t kind) const {
  return kind == 0 || FViewFilter == 0 || kind == FViewFilter;
}

void TVMemo::ReportProgress(std::int32_t percent, TVProgressStage stage) {
  if (OnProgress)
    OnProgress(this, percent, stage);
}

void TVMemo::FinishLine(TVMemoLine &line) {
  if (line.FKind < 0)
    line.FKind = 0;
  if (line.FKind != FUpdatedKind)
    return;
  // In an Updated line the shared parts take the Updated style; the rest stands out.
  for (std::uint32_t z = 0; z < line.FZoneCount; ++z) {
    TVMemoLineZone &zone = FZoneStore[line.FFirstZone + z];
    if (zone.Kind == 0)
      zone.Kind = FUpdatedKind;
  }
}

namespace {

constexpr std::size_t kIdleEvery = 1u << 20; // characters between two idle calls

// k × 100 / last, rounded to the nearest; -1 when the list has a single entry.
std::int32_t EntryPercent(int k, int count) {
  const std::int64_t last = count - 1;
  if (last == 0)
    return -1;
  return static_cast<std::int32_t>((std::int64_t{k} * 200 + last) / (2 * last));
}

} // namespace

void TVMemo::ReserveLines(std::int32_t width, bool hex) {
  // Every line but the last ends at a CR or at the width: the bound is exact for the plain and
  // hex layouts and an upper bound for the wrapped one, so the arrays grow once.
  std::int64_t chars = 0, breaks = 0, entries = 0;
  for (int k = 0; k < FSource->Count(); ++k) {
    if (!KindVisible(FSource->GetKind(k)))
      continue;
    const std::string_view s = FSource->Text(k);
    chars += static_cast<std::int64_t>(s.size());
    if (!hex)
      breaks += std::count(s.begin(), s.end(), '\r');
    ++entries;
  }
  const std::int64_t lines = breaks + chars / width + 1;
  FLines.reserve(FLines.size() + static_cast<std::size_t>(lines));
  FZoneStore.reserve(FZoneStore.size() + static_cast<std::size_t>(lines + entries));
}

void TVMemo::BuildLines(std::int32_t width, bool hex) {
  width = std::max(width, 1); // a line always takes at least one character
  ReportProgress(0, psStart);
  ReserveLines(width, hex);
  FMaxLineLength = 0;
  std::int32_t col = 0;
  std::int64_t pos = 0;
  std::int32_t acc = -1; // kind of the current line so far
  std::size_t sinceIdle = 0;
  AddLine();
  auto merge = [&](std::int32_t kind) {
    if (acc == -1)
      acc = kind;
    else if (acc != kind)
      acc = FUpdatedKind;
  };

  const int count = FSource->Count();
  for (int k = 0; k < count; ++k) {
    const std::int32_t kind = FSource->GetKind(k);
    if (!KindVisible(kind))
      continue;
    const std::string_view s = FSource->Text(k);
    const std::size_t n = s.size();
    std::size_t run = 0, i = 0;
    while (i < n) {
      // The characters that join the current line before it must end: up to the width, and
      // in the text layouts up to the next CR. Taken as one run, not one by one.
      const std::size_t room = std::min(n - i, static_cast<std::size_t>(width - col));
      std::size_t take = room;
      if (!hex) {
        const void *cr = std::memchr(s.data() + i, '\r', room);
        if (cr)
          take = static_cast<std::size_t>(static_cast<const char *>(cr) - (s.data() + i));
      }
      if (take > 0) {
        merge(kind);
        i += take;
        col += static_cast<std::int32_t>(take);
        pos += static_cast<std::int64_t>(take);
        sinceIdle += take;
        if (sinceIdle >= kIdleEvery && OnIdle) {
          sinceIdle -= kIdleEvery;
          OnIdle();
        }
        continue;
      }
      const bool isCR = s[i] == '\r';
      // The line ends here. A CR inside the entry counts for the line's kind; one at the
      // entry's edge does not, so a break only one file has does not mark the line changed.
      if (!hex && isCR && i > 0 && i + 1 < n && col < width)
        merge(kind);
      FLines.back().FKind = acc;
      if (i > run)
        AddZone(s.substr(run, i - run), kind);
      if (!hex) {
        if (s[i] == '\r')
          ++i, ++pos;
        if (i < n && s[i] == '\n')
          ++i, ++pos;
      }
      FMaxLineLength = std::max(FMaxLineLength, col);
      FinishLine(FLines.back());
      AddLine().FStart = pos;
      acc = -1;
      run = i;
      col = 0;
    }
    if (i > run) {
      FLines.back().FKind = acc;
      AddZone(s.substr(run, i - run), kind);
    }
    ReportProgress(EntryPercent(k, count), psStep);
  }
  FMaxLineLength = hex ? 66 : std::max(FMaxLineLength, col);
  FinishLine(FLines.back());
  ReportProgress(100, psDone);
}
