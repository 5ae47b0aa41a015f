#include "Render.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace {

// Black text on the default Inserted (FF 88 C8) and Deleted (00 88 FF) backgrounds.
constexpr std::string_view kInsertedOn = "\x1b[38;2;0;0;0;48;2;255;136;200m";
constexpr std::string_view kDeletedOn = "\x1b[38;2;0;0;0;48;2;0;136;255m";
// Shared text whose bytes differ in what the comparison looked past: grey, as the viewer draws it.
constexpr std::string_view kIgnoredOn = "\x1b[38;2;128;128;128m";
// Moved text, both ends: black on the default Moved background (FF D0 40).
constexpr std::string_view kMovedOn = "\x1b[38;2;0;0;0;48;2;255;208;64m";
constexpr std::string_view kColourOff = "\x1b[0m";

// The bytes as they are, or with control bytes but TAB, LF and CR written as ^X (DEL as ^?).
void WriteBytes(std::ostream &out, std::string_view text, bool visibleControls) {
  if (!visibleControls) {
    out << text;
    return;
  }
  while (!text.empty()) {
    const auto control = std::find_if(text.begin(), text.end(), [](char c) {
      const auto b = static_cast<unsigned char>(c);
      return (b < 0x20 && c != '\t' && c != '\n' && c != '\r') || b == 0x7F;
    });
    out << text.substr(0, static_cast<std::size_t>(control - text.begin()));
    if (control == text.end())
      break;
    out << '^' << static_cast<char>(*control == 0x7F ? '?' : *control + 0x40);
    text.remove_prefix(static_cast<std::size_t>(control - text.begin()) + 1);
  }
}

// Colours one piece, switching the colour off around line breaks so that no background
// bleeds into the rest of a terminal line.
void WriteColoured(std::ostream &out, std::string_view text, std::string_view on,
                   bool visibleControls) {
  while (!text.empty()) {
    const std::size_t brk = text.find_first_of("\r\n");
    const std::string_view part = text.substr(0, brk);
    if (!part.empty()) {
      out << on;
      WriteBytes(out, part, visibleControls);
      out << kColourOff;
    }
    if (brk == std::string_view::npos)
      break;
    out << text[brk];
    text.remove_prefix(brk + 1);
  }
}

} // namespace

namespace {

struct TMarks {
  std::string_view Open, Close, ColourOn;
};

TMarks MarksOf(std::int32_t kind) {
  switch (kind) {
  case kindInserted:
    return {"{+", "+}", kInsertedOn};
  case kindDeleted:
    return {"[-", "-]", kDeletedOn};
  case kindMovedHere:
    return {"{~", "~}", kMovedOn};
  case kindMovedAway:
    return {"[~", "~]", kMovedOn};
  default: // ignored differences are shared text: only coloured
    return {"", "", kIgnoredOn};
  }
}

} // namespace

void WriteMerged(std::ostream &out, const TVKindStringList &pieces, const TMergedLook &look) {
  for (int i = 0; i < pieces.Count(); ++i) {
    const std::string_view text = pieces.Text(i);
    const std::int32_t kind = pieces.GetKind(i);
    const TMarks marks = MarksOf(kind);
    if (kind == kindEqual || text.empty()) {
      WriteBytes(out, text, look.VisibleControls);
    } else if (look.Colour) {
      WriteColoured(out, text, marks.ColourOn, look.VisibleControls);
    } else {
      out << marks.Open;
      WriteBytes(out, text, look.VisibleControls);
      out << marks.Close;
    }
  }
}

bool LooksBinary(std::string_view text) {
  return text.substr(0, 8192).find('\0') != std::string_view::npos;
}

void WriteGitDiff(std::ostream &out, const TGitFilePair &pair, const TVKindStringList &pieces,
                  const TMergedLook &look, std::string_view outcome, bool binary) {
  const char *bold = look.Colour ? "\x1b[1m" : "", *plain = look.Colour ? "\x1b[m" : "";
  out << bold << "diff --dorix a/" << pair.OldPath << " b/" << pair.NewPath << plain << '\n';
  if (binary) {
    out << Tr(kBinaryFilesDiffer) << '\n' << outcome << '\n';
    return;
  }
  WriteMerged(out, pieces, look);
  std::int32_t last = pieces.Count() - 1;
  while (last >= 0 && pieces.Text(last).empty())
    --last;
  if (last >= 0 && !pieces.Text(last).ends_with('\n'))
    out << '\n';
  out << outcome << '\n';
}

void WriteChunks(std::ostream &out, const TVKindStringList &pieces) {
  for (int i = 0; i < pieces.Count(); ++i)
    out << pieces.GetKind(i) << '\t' << pieces.Text(i).size() << '\n';
}

void WriteSpans(std::ostream &out, const std::vector<TVOriginalSpan> &spans) {
  for (const TVOriginalSpan &span : spans)
    out << span.Kind << '\t' << span.FirstBytes << '\t' << span.SecondBytes << '\n';
}

void WriteMoves(std::ostream &out, const std::vector<TMovedSpot> &spots) {
  for (const TMovedSpot &spot : spots)
    out << spot.First << '\t' << spot.Second << '\t' << spot.Length << '\n';
}

void WriteCounters(std::ostream &out, const TVPieceCounts &c) {
  out << c.EqualChars << ' ' << c.FirstChars << ' ' << c.SecondChars << ' ' << c.EqualChunks << ' '
      << c.FirstChunks << ' ' << c.SecondChunks << '\n';
}

namespace {

template <typename Number> void AppendNumber(std::string &out, Number n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  out.append(digits, end);
}

} // namespace

void WriteLines(std::ostream &out, const TVLineModel &model) {
  std::string text;
  for (int i = 0; i < model.LineCount() && out; ++i) {
    const TVMemoLine &line = model.GetLine(i);
    AppendNumber(text, line.FKind);
    text += '\t';
    AppendNumber(text, line.FStart);
    text += '\t';
    AppendNumber(text, line.FLength);
    text += '\t';
    const char *comma = "";
    for (const TVMemoLineZone &zone : model.LineZones(i)) {
      text += comma;
      AppendNumber(text, zone.Kind);
      text += ':';
      AppendNumber(text, zone.Length);
      comma = ",";
    }
    text += '\n';
    if (text.size() >= (1u << 16)) {
      out.write(text.data(), static_cast<std::streamsize>(text.size()));
      text.clear();
    }
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}
