#include "ComparedText.h"

#include <algorithm>
#include <array>

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

} // namespace

TComparedText::TComparedText(std::string_view text, const TFormOptions &options,
                             const std::stop_token &stop)
    : FSize(text.size()) {
  // Most bytes stand alone for themselves and map one to one: they are taken a run at a time,
  // and an anchor is only set where the mapping moves.
  const std::array<int, 256> lone = LoneBytes(options);
  FForm.reserve(text.size());
  const std::size_t n = text.size();
  std::size_t spanStart = 0; // where the next compared byte's original bytes begin
  const auto anchor = [&](std::size_t at, std::size_t original) {
    if (FAnchors.empty() || FAnchors.back().Original + (at - FAnchors.back().At) != original)
      FAnchors.push_back({at, original});
  };
  for (std::size_t pos = 0, nextLook = 0; pos < n;) {
    if (pos >= nextLook) {
      if (stop.stop_requested())
        break;
      nextLook = pos + kStopEvery;
    }
    std::size_t end = pos;
    while (end < n && end < nextLook && lone[static_cast<unsigned char>(text[end])] >= 0)
      ++end;
    if (end > pos) {
      const std::size_t at = FForm.size();
      anchor(at, spanStart); // with whatever was dropped before it
      if (end > pos + 1)
        anchor(at + 1, pos + 1);
      FForm.append(text.substr(pos, end - pos));
      if (options.Case)
        for (std::size_t k = at; k < FForm.size(); ++k)
          FForm[k] = static_cast<char>(lone[static_cast<unsigned char>(FForm[k])]);
      spanStart = pos = end;
      continue;
    }
    const TFormStep step = ReadFormStep(text, pos, options);
    // A folded character's later bytes stand one to one in its own, as far as it reaches: a
    // piece cut inside it keeps to its bytes.
    for (std::size_t k = 0; k < step.Size; ++k) {
      anchor(FForm.size(), k == 0 ? spanStart : std::min(pos + k, step.End));
      FForm += step.Bytes[k];
    }
    pos = step.End;
    if (step.Size > 0)
      spanStart = pos; // dropped bytes join the next compared byte's span
  }
}

std::size_t TComparedText::Original(std::size_t at) const {
  if (at >= FForm.size())
    return FSize;
  const auto after =
      std::upper_bound(FAnchors.begin(), FAnchors.end(), at,
                       [](std::size_t a, const TAnchor &anchor) { return a < anchor.At; });
  const TAnchor &anchor = *(after - 1);
  return anchor.Original + (at - anchor.At);
}

std::size_t TComparedText::NextMove(std::size_t at) const {
  const auto after =
      std::upper_bound(FAnchors.begin(), FAnchors.end(), at,
                       [](std::size_t a, const TAnchor &anchor) { return a < anchor.At; });
  return after == FAnchors.end() ? FForm.size() : after->At;
}
