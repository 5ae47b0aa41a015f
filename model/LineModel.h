// TVLineModel: the display lines of a comparison, built from the engine's chunk list without a
// screen. A line is a run of zones (views into the chunk text, one kind each) that ends at a line
// break or at the layout's width; the view, the command line and the HTML export all read these.
#pragma once

#include "Cells.h"
#include "HexText.h"
#include "TextRange.h"
#include "VClasses.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

// A run of characters of one kind inside a display line: a view into the chunk list's text.
struct TVMemoLineZone {
  const char *Data = nullptr;
  std::int32_t Length = 0;
  std::int32_t Kind = 0;

  std::string_view Text() const { return {Data, static_cast<std::size_t>(Length)}; }
};

// One display line. Its zones are FZoneCount consecutive entries of the model's zone store.
struct TVMemoLine {
  std::int64_t FStart = 0;  // offset of the first character in the view's running text
  std::int32_t FKind = 0;   // style index; FUpdatedKind when kinds mix
  std::int32_t FLength = 0; // characters, line terminator excluded
  std::uint32_t FFirstZone = 0;
  std::uint32_t FZoneCount = 0;
};

// The style kinds as the chunk list and the lines carry them. A shared run whose two files' bytes
// differ only in what the comparison looks past is Ignored: its line counts it as shared. Moved
// text is deleted text that was moved away, or inserted text that was moved here: its line counts
// it as deleted or inserted.
enum TVKind : std::int32_t {
  kindEqual = 0,
  kindInserted = 1,
  kindDeleted = 2,
  kindUpdated = 3,
  kindIgnored = 4,
  kindMovedAway = 5,
  kindMovedHere = 6,
};

// What a piece of a kind counts as in its line's kind, and in which views it shows.
constexpr std::int32_t LineKindOf(std::int32_t kind) {
  switch (kind) {
  case kindIgnored:
    return kindEqual;
  case kindMovedAway:
    return kindDeleted;
  case kindMovedHere:
    return kindInserted;
  default:
    return kind;
  }
}

constexpr bool IsMovedKind(std::int32_t kind) {
  return kind == kindMovedAway || kind == kindMovedHere;
}

// Which entries a view shows: all of them, or the shared text with one file's own.
enum TVViewFilter : std::int32_t { viewBoth = 0, viewNew = 1, viewOld = 2 };

// Which characters end a line outside the hex layout, as the user chooses it: a CR (and a CR LF),
// or also an LF alone; automatic: the LF rule when either file holds an LF without a CR before it.
enum TVLineEnds : std::int32_t { leAuto = 0, leCR = 1, leLF = 2 };

// True when an LF stands somewhere without a CR before it. A stop request is looked at every
// megabyte; the answer after one means nothing.
bool HasLoneLineFeed(std::string_view text, const std::stop_token &stop = {});
// Whether an LF alone ends a line under a setting, given what the files hold.
bool LfBreaksFor(TVLineEnds setting, bool loneLineFeed);

// The wrap width of the plain layout: no line ends for want of room.
inline constexpr std::int32_t kNoWrap = INT32_MAX;

class TVLineModel {
public:
  TVLineModel();

  // The chunk list the lines are built from, shared with whoever made it: a build or a search on
  // another thread holds it for as long as it reads it.
  void SetSource(std::shared_ptr<const TVKindStringList> list);
  // A list the caller keeps alive and unchanged while the model reads it; none: an empty list.
  void SetSource(const TVKindStringList *list);
  const TVKindStringList &Source() const { return *FSource; }
  const std::shared_ptr<const TVKindStringList> &SharedSource() const { return FSource; }
  void SetViewFilter(std::int32_t filter) { FViewFilter = filter; }
  std::int32_t ViewFilter() const { return FViewFilter; }
  bool KindVisible(std::int32_t kind) const;
  // The LF rule: an LF alone ends a line too, and one that follows a CR closing an entry joins
  // that line end. Off: the CR rule, where an LF alone is an ordinary character.
  void SetLfBreaks(bool on) { FLfBreaks = on; }
  bool LfBreaks() const { return FLfBreaks; }
  // How bytes make cells: in UTF-8 the width counts cells, and a character is never split.
  // FLength, FStart and the zones stay in bytes; FMaxLineLength counts cells.
  void SetTextForm(const TVTextForm &form) { FForm = form; }
  const TVTextForm &TextForm() const { return FForm; }
  // The line end put between the rows of a copy of hex digits: LF under the LF rule, CR LF under
  // the CR rule.
  std::string_view LineEnd() const { return FLfBreaks ? "\n" : "\r\n"; }

  // Lines of at most width characters; the hex layout takes CR and LF as ordinary bytes. A stop
  // request is looked at about every megabyte of text: the build then ends with no lines and
  // answers false.
  bool BuildLines(std::int32_t width, bool hex, std::stop_token stop = {});
  // At most count lines from the one that starts at offset, which must be where a line of the
  // whole build starts (the start of the text, a byte after a line end, a multiple of the width
  // in the hex layout): the lines a view shows at once while the whole build is under way.
  // Their FStart are those of the whole build; reports nothing.
  void BuildSomeLines(std::int32_t width, bool hex, std::int64_t offset, int count);
  // Takes the lines of another model built from the same source and settings.
  void TakeLines(TVLineModel &&built);
  // A model without lines on this one's source, with its settings: to build lines elsewhere.
  std::unique_ptr<TVLineModel> EmptyCopy() const;
  // Bytes of the view's running text.
  std::int64_t TextBytes() const;
  // The view's running text from one offset up to another, line ends as the files have them.
  // Nothing after a stop request, which is looked at every megabyte.
  std::string TextBetween(std::int64_t from, std::int64_t to,
                          const std::stop_token &stop = {}) const;
  // Where the text line that holds offset begins (outside the hex layout): the byte after the
  // last line end before it, looked for no further back than reach bytes, or offset itself when
  // none lies that close. Lines of the whole build start there at any width.
  std::int64_t TextLineStart(std::int64_t offset, std::int64_t reach) const;
  void Clear();
  TVMemoLine &AddLine();                                  // a new Equal line at the end
  void AddZone(std::string_view text, std::int32_t kind); // onto the last line

  std::int32_t FUpdatedKind = kindUpdated; // kind of lines that mix kinds
  TVProgressEvent OnProgress;              // the sender is the model
  // Called about every megabyte while lines are built, between the per-entry reports, so that
  // the owner can keep its window responsive during a very long entry.
  std::function<void()> OnIdle;

  int LineCount() const { return static_cast<int>(FLines.size()); }
  const TVMemoLine &GetLine(int i) const { return FLines[static_cast<std::size_t>(i)]; }
  std::span<const TVMemoLineZone> LineZones(int i) const;
  std::span<const TVMemoLineZone> ZonesOf(int line) const; // none for a line that does not exist
  std::string GetLineText(int i) const;
  std::int32_t MaxLineLength() const { return FMaxLineLength; }
  // Bytes held by the lines and their zones (the text itself is the chunk list's).
  std::size_t LineStorageBytes() const;

  // Offsets in the view's running text and (column, line) positions. hexCells: columns count
  // hex-digit cells, three to a byte.
  int LineOfOffset(std::int64_t offset) const;
  std::int64_t PositionToOffset(std::int32_t col, std::int32_t line, bool hexCells) const;
  TVPosition OffsetToPosition(std::int64_t offset, bool hexCells) const;
  // The source entry that holds a running-text offset (the entry count past the end), and the
  // offset where an entry begins; -1 for an entry the view hides.
  int EntryOfOffset(std::int64_t offset) const { return StartAt(offset).Entry; }
  std::int64_t OffsetOfEntry(int entry) const;
  // True when a line terminator follows line i (or it is the last line), false when the line
  // ended because it was full.
  bool EndsWithLineEnd(int i) const;

private:
  // Where a build starts: an entry of the source, a byte of it, and that byte's offset in the
  // view's running text.
  struct TBuildStart {
    int Entry = 0;
    std::size_t Byte = 0;
    std::int64_t Offset = 0;
  };
  struct TBuildLimits {
    std::size_t MaxLines = SIZE_MAX;
    std::stop_token Stop = {}; // none: never stops
    bool Report = false;       // progress reports per entry
  };

  TBuildStart StartAt(std::int64_t offset) const;
  bool Build(TBuildStart start, std::int32_t width, bool hex, const TBuildLimits &limits);
  bool ReserveLines(std::int32_t width, bool hex, const std::stop_token &stop);
  void FinishLine(TVMemoLine &line);
  // The kind of a line so far (-1: none yet) with a character or line end of kind merged in.
  std::int32_t MergedKind(std::int32_t acc, std::int32_t kind) const;
  // The kind of the entry after entry k in the view when it opens with an LF; Equal otherwise.
  std::int32_t SplitLineFeedKind(int k) const;
  void ReportProgress(std::int32_t percent, TVProgressStage stage);

  std::shared_ptr<const TVKindStringList> FSource;
  std::int32_t FViewFilter = viewBoth;
  bool FLfBreaks = false;
  TVTextForm FForm;
  std::vector<TVMemoLine> FLines;
  std::vector<TVMemoLineZone> FZoneStore;
  std::int32_t FMaxLineLength = 500;
};
