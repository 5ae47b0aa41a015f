#include "ComparedText.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::size_t kStopEvery = std::size_t{1} << 20; // bytes between looks at a stop

// What a byte is to the one before it: whether that one stays in the form depends on it alone.
enum TNext : std::uint8_t { nxOther, nxBlank, nxCr, nxLf, nxEnd };
constexpr std::uint8_t kAfterAnything = 0x1F;

// How each byte is read into the form on its own, outside a UTF-8 character that is folded:
// what it becomes, and after which next bytes it stays rather than being dropped.
struct TByteRule {
  std::array<char, 256> Shown{};
  std::array<std::uint8_t, 256> StaysBefore{}; // a bit for each TNext
  std::array<std::uint8_t, 256> AsNext{};
};

TByteRule RuleOf(const TFormOptions &o) {
  TByteRule rule;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const TNext next = c == ' ' || c == '\t' ? nxBlank
                       : c == '\r'           ? nxCr
                       : c == '\n'           ? nxLf
                                             : nxOther;
    const auto i = static_cast<std::size_t>(b);
    rule.AsNext[i] = next;
    if (next == nxBlank && (o.SpaceChange || o.AllSpace)) {
      // A run of blanks keeps its last one, as a space, where a word follows it.
      rule.Shown[i] = ' ';
      rule.StaysBefore[i] = o.AllSpace ? 0 : 1 << nxOther;
    } else if (next == nxCr && o.LineEnds) {
      // A CR is the line end unless the LF after it is.
      rule.Shown[i] = '\n';
      rule.StaysBefore[i] = kAfterAnything & ~(1 << nxLf);
    } else {
      rule.Shown[i] = ReadLetterStep({&c, 1}, 0, o).Bytes[0];
      rule.StaysBefore[i] = kAfterAnything;
    }
  }
  return rule;
}

// The bytes that may be dropped or stand for another, looked for eight at a time: most text is
// long stretches without them.
class TDroppable {
public:
  explicit TDroppable(const TByteRule &rule) {
    for (int b = 0; b < 0x80; ++b)
      if (rule.StaysBefore[static_cast<std::size_t>(b)] != kAfterAnything)
        FWords[FCount++] = kOnes * static_cast<std::uint64_t>(b);
  }

  // Whether eight bytes from `at` hold none of them.
  bool NoneIn(const unsigned char *at) const {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    std::uint64_t found = 0;
    for (int k = 0; k < FCount; ++k) {
      const std::uint64_t x = word ^ FWords[static_cast<std::size_t>(k)]; // zero where it is
      found |= (x - kOnes) & ~x & kHighs;
    }
    return found == 0;
  }

private:
  static constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
  std::array<std::uint64_t, 3> FWords{}; // blank, tab and CR at most, in every lane
  int FCount = 0;
};

// The next byte from `from` that begins a UTF-8 character to fold, eight bytes at a time.
std::size_t NextHigh(std::string_view text, std::size_t from, std::size_t to) {
  constexpr std::uint64_t kHighs = 0x8080808080808080;
  for (; from + 8 <= to; from += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + from, 8);
    if ((word & kHighs) != 0)
      break;
  }
  while (from < to && static_cast<unsigned char>(text[from]) < 0x80)
    ++from;
  return from;
}

} // namespace

TComparedText::TComparedText(std::string_view text, const TFormOptions &options,
                             const std::stop_token &stop)
    : FSize(text.size()) {
  const TByteRule rule = RuleOf(options);
  const TDroppable droppable(rule);
  // Blanks come every few bytes: where they may drop, a byte at a time without a branch is faster
  // than eight at once between them.
  const bool eightAtOnce = !options.SpaceChange && !options.AllSpace;
  const bool foldsCharacters = options.Case && options.Utf8;
  const std::size_t n = text.size();
  const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
  std::size_t written = 0;
  std::size_t spanStart = 0; // where the next compared byte's original bytes begin
  char *form = FForm.Room(0, n);
  TAnchor *anchors = FAnchors.Room(0, 1);
  // An anchor where the mapping does not go on one to one from the last.
  const auto anchor = [&](std::size_t original) {
    if (FAnchorCount > 0) {
      const TAnchor &last = anchors[FAnchorCount - 1];
      if (last.Original + (written - last.At) == original)
        return;
    }
    anchors = FAnchors.Room(FAnchorCount, 1);
    anchors[FAnchorCount++] = {static_cast<std::uint32_t>(written),
                               static_cast<std::uint32_t>(original)};
  };
  // Bytes [from, to) read on their own, without a branch on what they hold: each is written, and
  // counted where it stays. A compared byte with bytes dropped before it stands for them as
  // well, and the next one maps one to one from the byte after it.
  const auto takeBytes = [&](std::size_t from, std::size_t to) {
    form = FForm.Room(written, to - from);
    anchors = FAnchors.Room(FAnchorCount, to - from);
    // Kept in locals: the bytes written may stand anywhere as far as the compiler knows.
    std::size_t at = written, count = FAnchorCount, span = spanStart;
    const auto take = [&](std::size_t i, std::uint8_t next) {
      const unsigned char c = bytes[i];
      form[at] = rule.Shown[c];
      const std::size_t stays = (rule.StaysBefore[c] >> next) & 1;
      anchors[count] = {static_cast<std::uint32_t>(at + 1), static_cast<std::uint32_t>(i + 1)};
      count += stays & static_cast<std::size_t>(span < i);
      span = stays ? i + 1 : span;
      at += stays;
    };
    // Eight bytes that stay whatever follows them at once, each shown as the rule says.
    const auto takeEight = [&](std::size_t i) {
      anchors[count] = {static_cast<std::uint32_t>(at + 1), static_cast<std::uint32_t>(i + 1)};
      count += static_cast<std::size_t>(span < i);
      for (std::size_t k = 0; k < 8; ++k)
        form[at + k] = rule.Shown[bytes[i + k]];
      at += 8, span = i + 8;
    };
    const std::size_t inside = std::min(to, n - 1); // the bytes with one after them
    for (std::size_t i = from; i < inside;) {
      if (eightAtOnce && i + 8 <= inside && droppable.NoneIn(bytes + i)) {
        takeEight(i);
        i += 8;
      } else {
        take(i, rule.AsNext[bytes[i + 1]]);
        ++i;
      }
    }
    if (to == n && from < n)
      take(n - 1, nxEnd);
    written = at, FAnchorCount = count, spanStart = span;
  };
  // A UTF-8 character folded: its later bytes stand one to one in its own, as far as it reaches,
  // so that a piece cut inside it keeps to its bytes.
  const auto takeCharacter = [&](std::size_t pos) {
    const TFormStep step = ReadFormStep(text, pos, options);
    form = FForm.Room(written, step.Size);
    for (std::size_t k = 0; k < step.Size; ++k) {
      anchor(k == 0 ? spanStart : std::min(pos + k, step.End));
      form[written++] = step.Bytes[k];
    }
    spanStart = step.End;
    return step.End;
  };
  for (std::size_t pos = 0; pos < n && !stop.stop_requested();) {
    const std::size_t slice = std::min(n, pos + kStopEvery); // between looks at a stop
    while (pos < slice) {
      const std::size_t end = foldsCharacters ? NextHigh(text, pos, slice) : slice;
      anchor(spanStart); // the first compared byte, or the first after a folded character
      takeBytes(pos, end);
      pos = end < slice ? takeCharacter(end) : end;
    }
  }
  FFormSize = written;
}

std::size_t TComparedText::AnchorOf(std::size_t at, std::size_t from) const {
  const TAnchor *anchors = FAnchors.Data();
  const auto after = [&](std::size_t lo, std::size_t hi) {
    return static_cast<std::size_t>(
        std::upper_bound(anchors + lo, anchors + hi, at,
                         [](std::size_t a, const TAnchor &anchor) { return a < anchor.At; }) -
        anchors);
  };
  if (from >= FAnchorCount || anchors[from].At > at)
    return after(0, std::min(from, FAnchorCount)) - 1;
  // Forward in growing steps, then halving: the cost grows with the distance walked.
  std::size_t step = 1;
  while (from + step < FAnchorCount && anchors[from + step].At <= at) {
    from += step;
    step *= 2;
  }
  return after(from, std::min(FAnchorCount, from + step)) - 1;
}

std::size_t TComparedText::Original(std::size_t at, std::size_t &anchor) const {
  if (at >= FFormSize)
    return FSize;
  anchor = AnchorOf(at, anchor);
  const TAnchor &a = FAnchors.Data()[anchor];
  return a.Original + (at - a.At);
}

std::size_t TComparedText::NextMove(std::size_t at, std::size_t &anchor) const {
  if (at >= FFormSize || FAnchorCount == 0)
    return FFormSize;
  anchor = AnchorOf(at, anchor);
  return anchor + 1 < FAnchorCount
             ? std::min<std::size_t>(FAnchors.Data()[anchor + 1].At, FFormSize)
             : FFormSize;
}
