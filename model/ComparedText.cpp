#include "ComparedText.h"

#include "HugePages.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kStopEvery = std::size_t{1} << 20; // bytes between looks at a stop

// What each byte becomes when it stands alone for itself (as its lower case where letters are
// folded), or -1 for a byte that takes a step of its own: a blank that runs may drop, a CR that
// a line end may take, the first byte of a UTF-8 character to fold.
std::array<int, 256> LoneBytes(const TFormOptions &o) {
  std::array<int, 256> lone{};
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const bool own = ((c == ' ' || c == '\t') && (o.SpaceChange || o.AllSpace)) ||
                     (c == '\r' && o.LineEnds) || (b >= 0x80 && o.Case && o.Utf8);
    lone[b] = own ? -1 : static_cast<unsigned char>(ReadFormStep({&c, 1}, 0, o).Bytes[0]);
  }
  return lone;
}

// Finds the next byte that takes a step of its own eight bytes at a time: such bytes are few
// (blanks, CR, bytes above 0x7F), and most text is long runs without them.
class TStepFinder {
public:
  explicit TStepFinder(const std::array<int, 256> &lone) : FLone(lone) {
    for (int b = 0; b < 0x80; ++b)
      if (lone[b] < 0)
        FWords.push_back(kOnes * static_cast<std::uint64_t>(b));
    for (int b = 0x80; b < 0x100; ++b)
      FHigh = FHigh || lone[b] < 0;
  }

  // The first byte in [from, to) that takes a step of its own, or to.
  std::size_t Next(std::string_view text, std::size_t from, std::size_t to) const {
    for (; from + 8 <= to; from += 8) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + from, 8);
      if (MayHold(word))
        break;
    }
    while (from < to && FLone[static_cast<unsigned char>(text[from])] >= 0)
      ++from;
    return from;
  }

private:
  static constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;

  // Whether any byte of word may take a step: a byte equal to one of the few, or a high one.
  bool MayHold(std::uint64_t word) const {
    if (FHigh && (word & kHighs) != 0)
      return true;
    for (const std::uint64_t bytes : FWords) {
      const std::uint64_t x = word ^ bytes; // a zero byte where word holds that byte
      if (((x - kOnes) & ~x & kHighs) != 0)
        return true;
    }
    return false;
  }

  const std::array<int, 256> &FLone;
  std::vector<std::uint64_t> FWords; // each byte below 0x80 that takes a step, in every lane
  bool FHigh = false;                // some byte above 0x7F takes one
};

} // namespace

TComparedText::TComparedText(std::string_view text, const TFormOptions &options,
                             const std::stop_token &stop)
    : FSize(text.size()) {
  // Most bytes stand alone for themselves and map one to one: they are taken a run at a time,
  // and an anchor is only set where the mapping moves.
  const std::array<int, 256> lone = LoneBytes(options);
  const TStepFinder steps(lone);
  const std::size_t n = text.size();
  // The form is written in place: as long as the text, more only where a folded letter is.
  FForm.reserve(n);
  AdviseHugePages(FForm.data(), FForm.capacity()); // before the pages are first touched
  FForm.resize(n);
  std::size_t written = 0;
  const auto room = [&](std::size_t bytes) {
    if (written + bytes > FForm.size())
      FForm.resize(std::max(2 * FForm.size(), written + bytes));
  };
  // Room for an anchor at every line end, or at every word where blanks are looked past; more
  // is made as needed, in huge pages too.
  const auto reserve = [&](std::size_t anchors) {
    FAnchors.reserve(anchors);
    AdviseHugePages(FAnchors.data(), FAnchors.capacity() * sizeof(TAnchor));
  };
  reserve(n / (options.SpaceChange || options.AllSpace ? 4 : 16) + 1);
  std::size_t spanStart = 0; // where the next compared byte's original bytes begin
  const auto anchor = [&](std::size_t original) {
    if (!FAnchors.empty() && FAnchors.back().Original + (written - FAnchors.back().At) == original)
      return;
    if (FAnchors.size() == FAnchors.capacity())
      reserve(2 * FAnchors.capacity());
    FAnchors.push_back({static_cast<std::uint32_t>(written), static_cast<std::uint32_t>(original)});
  };
  for (std::size_t pos = 0; pos < n;) {
    if (stop.stop_requested())
      break;
    const std::size_t slice = std::min(n, pos + kStopEvery); // between looks at a stop
    while (pos < slice) {
      // A run of bytes that stand alone: copied, or folded byte by byte as it is found.
      room(slice - pos);
      char *const out = FForm.data() + written;
      std::size_t end = pos;
      if (!options.Case) {
        end = steps.Next(text, pos, slice);
        std::memcpy(out, text.data() + pos, end - pos);
      } else {
        for (int b; end < slice && (b = lone[static_cast<unsigned char>(text[end])]) >= 0; ++end)
          out[end - pos] = static_cast<char>(b);
      }
      if (end > pos) {
        anchor(spanStart); // the first byte, with whatever was dropped before it
        ++written;
        if (end > pos + 1)
          anchor(pos + 1); // the rest one to one
        written += end - pos - 1;
        spanStart = pos = end;
        continue;
      }
      const TFormStep step = ReadFormStep(text, pos, options);
      // A folded character's later bytes stand one to one in its own, as far as it reaches: a
      // piece cut inside it keeps to its bytes.
      room(step.Size);
      for (std::size_t k = 0; k < step.Size; ++k) {
        anchor(k == 0 ? spanStart : std::min(pos + k, step.End));
        FForm[written++] = step.Bytes[k];
      }
      pos = step.End;
      if (step.Size > 0)
        spanStart = pos; // dropped bytes join the next compared byte's span
    }
  }
  FForm.resize(written);
}

std::size_t TComparedText::Original(std::size_t at) const {
  if (at >= FForm.size())
    return FSize;
  const auto after = std::upper_bound(
      FAnchors.begin(), FAnchors.end(), at,
      [](std::size_t a, const TAnchor &anchor) { return a < std::size_t{anchor.At}; });
  const TAnchor &anchor = *(after - 1);
  return anchor.Original + (at - anchor.At);
}

std::size_t TComparedText::NextMove(std::size_t at) const {
  const auto after = std::upper_bound(
      FAnchors.begin(), FAnchors.end(), at,
      [](std::size_t a, const TAnchor &anchor) { return a < std::size_t{anchor.At}; });
  return after == FAnchors.end() ? FForm.size() : after->At;
}
