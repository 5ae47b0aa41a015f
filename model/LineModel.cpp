#include "LineModel.h"

#include "HugePages.h"

#include <algorithm>
#include <cstring>

TVLineModel::TVLineModel() {
  SetSource(nullptr);
}

void TVLineModel::SetSource(std::shared_ptr<const TVKindStringList> list) {
  FSource = list ? std::move(list) : std::make_shared<const TVKindStringList>();
}

void TVLineModel::SetSource(const TVKindStringList *list) {
  // Shared with no one: the caller keeps the list alive.
  SetSource(list ? std::shared_ptr<const TVKindStringList>(std::shared_ptr<const void>(), list)
                 : nullptr);
}

bool TVLineModel::KindVisible(std::int32_t kind) const {
  kind = LineKindOf(kind);
  return kind == kindEqual || FViewFilter == viewBoth || kind == FViewFilter;
}

std::span<const TVMemoLineZone> TVLineModel::LineZones(int i) const {
  const TVMemoLine &line = GetLine(i);
  return {FZoneStore.data() + line.FFirstZone, line.FZoneCount};
}

std::span<const TVMemoLineZone> TVLineModel::ZonesOf(int line) const {
  if (line < 0 || line >= LineCount())
    return {};
  return LineZones(line);
}

std::string TVLineModel::GetLineText(int i) const {
  std::string text;
  text.reserve(static_cast<std::size_t>(GetLine(i).FLength));
  for (const TVMemoLineZone &zone : LineZones(i))
    text += zone.Text();
  return text;
}

std::size_t TVLineModel::LineStorageBytes() const {
  return FLines.capacity() * sizeof(TVMemoLine) + FZoneStore.capacity() * sizeof(TVMemoLineZone);
}

void TVLineModel::Clear() {
  FLines.clear();
  FLines.shrink_to_fit();
  FZoneStore.clear();
  FZoneStore.shrink_to_fit();
  FMaxLineLength = 0;
}

TVMemoLine &TVLineModel::AddLine() {
  FLines.push_back({0, 0, 0, static_cast<std::uint32_t>(FZoneStore.size()), 0});
  return FLines.back();
}

void TVLineModel::AddZone(std::string_view text, std::int32_t kind) {
  if (FLines.empty())
    AddLine();
  // Zones are appended line by line, so the last line's zones stay one contiguous run.
  FZoneStore.push_back({text.data(), static_cast<std::int32_t>(text.size()), kind});
  TVMemoLine &line = FLines.back();
  ++line.FZoneCount;
  line.FLength += static_cast<std::int32_t>(text.size());
}

void TVLineModel::ReportProgress(std::int32_t percent, TVProgressStage stage) {
  if (OnProgress)
    OnProgress(this, percent, stage);
}

std::int32_t TVLineModel::MergedKind(std::int32_t acc, std::int32_t kind) const {
  if (acc == -1)
    return kind;
  return acc == kind ? acc : FUpdatedKind;
}

std::int32_t TVLineModel::SplitLineFeedKind(int k) const {
  for (int next = k + 1; next < FSource->Count(); ++next)
    if (KindVisible(FSource->GetKind(next)) && !FSource->Text(next).empty())
      return FSource->Text(next).starts_with('\n') ? LineKindOf(FSource->GetKind(next)) : kindEqual;
  return kindEqual;
}

void TVLineModel::FinishLine(TVMemoLine &line) {
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

// Where the next line break of an entry lies. Each kind of break is looked for once and kept
// until the walk passes it, so a long entry is scanned once whatever the wrap width.
class TBreakFinder {
public:
  enum TBreaks { None, Cr, CrOrLf };

  TBreakFinder(std::string_view text, TBreaks breaks)
      : FText(text), FBreaks(breaks), FNextCr(Find('\r', 0)),
        FNextLf(breaks == CrOrLf ? Find('\n', 0) : text.size()) {}

  // The first break at or after i; the entry's end when there is none.
  std::size_t From(std::size_t i) {
    if (FBreaks == None)
      return FText.size();
    if (FNextCr < i)
      FNextCr = Find('\r', i);
    if (FBreaks == CrOrLf && FNextLf < i)
      FNextLf = Find('\n', i);
    return std::min(FNextCr, FNextLf);
  }

private:
  std::size_t Find(char c, std::size_t from) const {
    if (FBreaks == None)
      return FText.size();
    const void *at = std::memchr(FText.data() + from, c, FText.size() - from);
    return at ? static_cast<std::size_t>(static_cast<const char *>(at) - FText.data())
              : FText.size();
  }

  std::string_view FText;
  TBreaks FBreaks;
  std::size_t FNextCr, FNextLf;
};

// What joins a line before it must end: bytes and the cells they take.
struct TTake {
  std::size_t bytes = 0;
  std::int32_t cells = 0;
};

// One cell a byte: up to the room, or the next break.
TTake TakeBytes(std::size_t left, std::size_t toBreak, std::int32_t room) {
  const std::size_t bytes = std::min({left, toBreak, static_cast<std::size_t>(room)});
  return {bytes, static_cast<std::int32_t>(bytes)};
}

// Whole characters from i up to the break at `end`, as many as the room's cells hold. A
// character wider than a whole line still takes a line of its own.
TTake TakeCells(std::string_view s, std::size_t i, std::size_t end, std::int32_t room,
                std::int32_t col, const TVTextForm &form) {
  TTake take;
  while (i + take.bytes < end) {
    const std::size_t at = i + take.bytes;
    const auto byte = static_cast<unsigned char>(s[at]);
    if (byte < 0x80 && byte != '\t') { // most text: a cell a byte
      if (take.cells + 1 > room && (take.bytes > 0 || col > 0))
        break;
      ++take.bytes, ++take.cells;
      continue;
    }
    const TVCharacter c = Utf8CharacterAt(s, at);
    const int cells = CharacterCells(c, form, col + take.cells);
    if (take.cells + cells > room && (take.bytes > 0 || col > 0))
      break;
    take.bytes += c.Bytes;
    take.cells += cells;
  }
  take.bytes = std::min(take.bytes, end - i); // a character cut short by the entry's end
  return take;
}

// Counts a character a slice at a time, so that a stop request is seen between slices.
bool CountSliced(std::string_view s, char c, std::int64_t &count, const std::stop_token &stop) {
  for (std::size_t at = 0; at < s.size(); at += kIdleEvery) {
    if (stop.stop_requested())
      return false;
    const std::string_view slice = s.substr(at, kIdleEvery);
    count += std::count(slice.begin(), slice.end(), c);
  }
  return true;
}

} // namespace

bool TVLineModel::ReserveLines(std::int32_t width, bool hex, const std::stop_token &stop) {
  // Every line but the last ends at a break or at the width: the bound is exact for the plain and
  // hex layouts and an upper bound for the wrapped one, so the arrays grow once.
  std::int64_t chars = 0, breaks = 0, entries = 0;
  for (int k = 0; k < FSource->Count(); ++k) {
    if (!KindVisible(FSource->GetKind(k)))
      continue;
    const std::string_view s = FSource->Text(k);
    chars += static_cast<std::int64_t>(s.size());
    if (!hex &&
        !(CountSliced(s, '\r', breaks, stop) && (!FLfBreaks || CountSliced(s, '\n', breaks, stop))))
      return false;
    ++entries;
  }
  const std::int64_t lines = breaks + chars / width + 1;
  FLines.reserve(FLines.size() + static_cast<std::size_t>(lines));
  FZoneStore.reserve(FZoneStore.size() + static_cast<std::size_t>(lines + entries));
  AdviseHugePages(FLines.data(), FLines.capacity() * sizeof(TVMemoLine));
  AdviseHugePages(FZoneStore.data(), FZoneStore.capacity() * sizeof(TVMemoLineZone));
  return true;
}

bool TVLineModel::BuildLines(std::int32_t width, bool hex, std::stop_token stop) {
  width = std::max(width, 1); // a line always takes at least one character
  ReportProgress(0, psStart);
  if (!ReserveLines(width, hex, stop) || !Build({}, width, hex, {SIZE_MAX, stop, true})) {
    Clear();
    return false;
  }
  ReportProgress(100, psDone);
  return true;
}

void TVLineModel::BuildSomeLines(std::int32_t width, bool hex, std::int64_t offset, int count) {
  width = std::max(width, 1);
  FLines.reserve(static_cast<std::size_t>(std::max(count, 1)));
  Build(StartAt(offset), width, hex, {static_cast<std::size_t>(std::max(count, 1)), {}, false});
}

TVLineModel::TBuildStart TVLineModel::StartAt(std::int64_t offset) const {
  std::int64_t pos = 0;
  const int count = FSource->Count();
  for (int k = 0; k < count; ++k) {
    if (!KindVisible(FSource->GetKind(k)))
      continue;
    const auto size = static_cast<std::int64_t>(FSource->Text(k).size());
    if (offset < pos + size)
      return {k, static_cast<std::size_t>(std::max<std::int64_t>(0, offset - pos)), offset};
    pos += size;
  }
  return {count, 0, pos}; // the end of the text: one empty line
}

std::int64_t TVLineModel::OffsetOfEntry(int entry) const {
  if (entry < 0 || entry >= FSource->Count() || !KindVisible(FSource->GetKind(entry)))
    return -1;
  std::int64_t pos = 0;
  for (int k = 0; k < entry; ++k)
    if (KindVisible(FSource->GetKind(k)))
      pos += static_cast<std::int64_t>(FSource->Text(k).size());
  return pos;
}

void TVLineModel::TakeLines(TVLineModel &&built) {
  FLines = std::move(built.FLines);
  FZoneStore = std::move(built.FZoneStore);
  FMaxLineLength = built.FMaxLineLength;
  built.Clear();
}

std::unique_ptr<TVLineModel> TVLineModel::EmptyCopy() const {
  auto copy = std::make_unique<TVLineModel>();
  copy->FSource = FSource;
  copy->FViewFilter = FViewFilter;
  copy->FLfBreaks = FLfBreaks;
  copy->FForm = FForm;
  copy->FUpdatedKind = FUpdatedKind;
  return copy;
}

std::int64_t TVLineModel::TextBytes() const {
  std::int64_t bytes = 0;
  for (int k = 0; k < FSource->Count(); ++k)
    if (KindVisible(FSource->GetKind(k)))
      bytes += static_cast<std::int64_t>(FSource->Text(k).size());
  return bytes;
}

std::string TVLineModel::TextBetween(std::int64_t from, std::int64_t to,
                                     const std::stop_token &stop) const {
  std::string text;
  if (to <= from)
    return text;
  text.reserve(static_cast<std::size_t>(to - from));
  const TBuildStart at = StartAt(from);
  for (int k = at.Entry; k < FSource->Count() && std::ssize(text) < to - from; ++k) {
    if (!KindVisible(FSource->GetKind(k)))
      continue;
    std::string_view s = FSource->Text(k).substr(k == at.Entry ? at.Byte : 0);
    s = s.substr(0, static_cast<std::size_t>(to - from) - text.size());
    for (std::size_t slice = 0; slice < s.size(); slice += kIdleEvery) {
      if (stop.stop_requested())
        return {};
      text += s.substr(slice, kIdleEvery);
    }
  }
  return text;
}

std::int64_t TVLineModel::TextLineStart(std::int64_t offset, std::int64_t reach) const {
  const TBuildStart at = StartAt(offset);
  // Walks back from offset over the visible entries. A CR ends a line; under the LF rule an LF
  // does too, and a CR LF is one line end whichever entries its two bytes are in. Under the CR
  // rule an LF after a CR joins it only inside one entry.
  const int count = FSource->Count();
  std::int64_t pos = at.Offset; // the running offset of the byte after the one looked at
  char after = at.Entry < count ? FSource->Text(at.Entry)[at.Byte] : '\0';
  bool afterInEntry = true;
  for (int k = std::min(at.Entry, count - 1); k >= 0; --k) {
    if (!KindVisible(FSource->GetKind(k)))
      continue;
    const std::string_view s = FSource->Text(k);
    for (std::size_t i = k == at.Entry ? at.Byte : s.size(); i > 0; --i, --pos) {
      if (at.Offset - pos > reach)
        return offset;
      const char c = s[i - 1];
      if (c == '\r' || (FLfBreaks && c == '\n'))
        return pos + (c == '\r' && after == '\n' && (FLfBreaks || afterInEntry) ? 1 : 0);
      after = c;
      afterInEntry = true;
    }
    afterInEntry = false;
  }
  return 0;
}

bool TVLineModel::Build(TBuildStart start, std::int32_t width, bool hex,
                        const TBuildLimits &limits) {
  const bool lf = FLfBreaks && !hex;
  const bool utf8 = FForm.Utf8 && !hex; // the hex layout counts bytes
  FMaxLineLength = 0;
  std::int32_t col = 0;
  std::int64_t pos = start.Offset;
  std::int32_t acc = -1; // kind of the current line so far
  std::size_t sinceIdle = 0;
  // Under the LF rule: the last line ended at a CR that closed its entry, so an LF opening the
  // next text of the view belongs to that line end.
  bool crClosedEntry = false;
  AddLine().FStart = pos;
  auto merge = [&](std::int32_t kind) { acc = MergedKind(acc, kind); };
  const auto stopped = [&] { return limits.Stop.stop_requested(); };

  const int count = FSource->Count();
  for (int k = start.Entry; k < count; ++k) {
    const std::int32_t kind = FSource->GetKind(k), lineKind = LineKindOf(kind);
    if (!KindVisible(kind))
      continue;
    const std::string_view s = FSource->Text(k);
    const std::size_t n = s.size();
    std::size_t i = k == start.Entry ? start.Byte : 0;
    if (crClosedEntry && n > 0) {
      if (s[0] == '\n') { // a CR LF split between two entries is one line end
        i = 1;
        FLines.back().FStart = ++pos;
      }
      crClosedEntry = false;
    }
    std::size_t run = i;
    TBreakFinder breaks(s, hex ? TBreakFinder::None : lf ? TBreakFinder::CrOrLf : TBreakFinder::Cr);
    while (i < n) {
      // The characters that join the current line before it must end: up to the width, and
      // in the text layouts up to the next break. Taken as one run, not one by one.
      const TTake take = utf8 ? TakeCells(s, i, breaks.From(i), width - col, col, FForm)
                              : TakeBytes(n - i, breaks.From(i) - i, width - col);
      if (take.bytes > 0) {
        merge(lineKind);
        i += take.bytes;
        col += take.cells;
        pos += static_cast<std::int64_t>(take.bytes);
        sinceIdle += take.bytes;
        if (sinceIdle >= kIdleEvery) {
          sinceIdle -= kIdleEvery;
          if (stopped())
            return false;
          if (OnIdle)
            OnIdle();
        }
        continue;
      }
      // The line ends here. A break that only one file has marks its line changed wherever it
      // lies in its piece; a shared one counts only inside its piece, not at its edge. A break
      // met where the line is already full ends nothing of its own and counts for nothing.
      const bool isBreak = !hex && (s[i] == '\r' || (lf && s[i] == '\n'));
      if (isBreak && col < width && (lineKind != kindEqual || (i > 0 && i + 1 < n)))
        merge(lineKind);
      if (i > run)
        AddZone(s.substr(run, i - run), kind);
      if (!hex) {
        const bool cr = s[i] == '\r';
        if (cr)
          ++i, ++pos;
        crClosedEntry = lf && cr && i == n;
        if (i < n && s[i] == '\n')
          ++i, ++pos;
      }
      // The LF of a CR LF split between entries is part of this line end, and counts as one.
      if (const std::int32_t lfKind = crClosedEntry ? SplitLineFeedKind(k) : kindEqual;
          lfKind != kindEqual && col < width)
        merge(lfKind);
      FLines.back().FKind = acc;
      FMaxLineLength = std::max(FMaxLineLength, col);
      FinishLine(FLines.back());
      if (FLines.size() >= limits.MaxLines)
        return true;
      AddLine().FStart = pos;
      acc = -1;
      run = i;
      col = 0;
    }
    if (i > run) {
      FLines.back().FKind = acc;
      AddZone(s.substr(run, i - run), kind);
    }
    if (stopped())
      return false;
    if (limits.Report)
      ReportProgress(EntryPercent(k, count), psStep);
  }
  FMaxLineLength = hex ? kHexMaxLineLength : std::max(FMaxLineLength, col);
  FinishLine(FLines.back());
  return true;
}

int TVLineModel::LineOfOffset(std::int64_t offset) const {
  // Line starts never decrease: the line holding the offset is the one before the first
  // line that starts after it.
  const auto after =
      std::upper_bound(FLines.begin(), FLines.end(), offset,
                       [](std::int64_t o, const TVMemoLine &line) { return o < line.FStart; });
  return after == FLines.begin() ? 0 : static_cast<int>(after - FLines.begin()) - 1;
}

std::int64_t TVLineModel::PositionToOffset(std::int32_t col, std::int32_t line,
                                           bool hexCells) const {
  if (line < 0 || line >= LineCount())
    return 0;
  const TVMemoLine &l = GetLine(line);
  return l.FStart + (hexCells ? HexColumnToByte(col) : std::min(col, l.FLength));
}

TVPosition TVLineModel::OffsetToPosition(std::int64_t offset, bool hexCells) const {
  if (FLines.empty())
    return {};
  const int line = LineOfOffset(offset);
  const std::int64_t col = offset - GetLine(line).FStart;
  if (hexCells)
    return {ByteToHexColumn(col), line};
  return {static_cast<std::int32_t>(std::clamp<std::int64_t>(col, INT32_MIN, INT32_MAX)), line};
}

bool TVLineModel::EndsWithLineEnd(int i) const {
  if (i + 1 >= LineCount())
    return true;
  const TVMemoLine &line = GetLine(i);
  return GetLine(i + 1).FStart > line.FStart + line.FLength; // a terminator lies between them
}

bool HasLoneLineFeed(std::string_view text, const std::stop_token &stop) {
  std::size_t nextLook = 0;
  for (std::size_t at = text.find('\n'); at != std::string_view::npos;
       at = text.find('\n', at + 1)) {
    if (at == 0 || text[at - 1] != '\r')
      return true;
    if (at >= nextLook) {
      if (stop.stop_requested())
        return false;
      nextLook = at + kIdleEvery;
    }
  }
  return false;
}

bool LfBreaksFor(TVLineEnds setting, bool loneLineFeed) {
  return setting == leLF || (setting == leAuto && loneLineFeed);
}
