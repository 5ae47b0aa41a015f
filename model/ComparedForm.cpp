#include "ComparedForm.h"

#include "CaseFolding.h"
#include "Cells.h"
#include "Encoding.h"
#include "MatchSteps.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

constexpr std::size_t kStopEvery = std::size_t{1} << 20; // bytes between looks at a stop

} // namespace

TFormReader::TFormReader(std::string_view text, const TFormOptions &options, std::size_t from)
    : FText(text), FOptions(options), FPos(from), FSpanStart(from), FSpanEnd(from) {}

bool TFormReader::Next() {
  if (++FOutAt < FOutSize)
    return true;
  return Refill();
}

TFormStep ReadFormStep(std::string_view text, std::size_t pos, const TFormOptions &options) {
  TFormStep step;
  const auto give = [&](std::string_view bytes, std::size_t end) {
    std::copy(bytes.begin(), bytes.end(), step.Bytes.begin());
    step.Size = bytes.size();
    step.End = end;
    return step;
  };
  const std::size_t n = text.size();
  const char c = text[pos];
  if (IsBlank(c) && (options.SpaceChange || options.AllSpace)) {
    std::size_t end = pos;
    while (end < n && IsBlank(text[end]))
      ++end;
    const bool dropped = options.AllSpace || end == n || text[end] == '\r' || text[end] == '\n';
    return give(dropped ? std::string_view() : " ", end);
  }
  if (c == '\r' && options.LineEnds)
    return give("\n", pos + 1 < n && text[pos + 1] == '\n' ? pos + 2 : pos + 1);
  if (!options.Case)
    return give(text.substr(pos, 1), pos + 1);
  if (!options.Utf8) {
    const char lower = LowerIn(c, options.Page);
    return give({&lower, 1}, pos + 1);
  }
  const TVCharacter ch = Utf8CharacterAt(text, pos);
  if (!ch.Valid)
    return give(text.substr(pos, 1), pos + 1); // a byte that begins no character stands as it is
  std::array<char, 4> folded{};
  return give({folded.data(), EncodeUtf8(FoldedCodePoint(ch.CodePoint), folded)}, pos + ch.Bytes);
}

bool TFormReader::Refill() {
  while (FPos < FText.size()) {
    const TFormStep step = ReadFormStep(FText, FPos, FOptions);
    FPos = step.End;
    if (step.Size == 0)
      continue; // dropped: the bytes join the next compared byte's span
    FOut = step.Bytes;
    FOutSize = step.Size;
    FOutAt = 0;
    FSpanStart = FSpanEnd; // with whatever was dropped since the last compared byte
    FSpanEnd = FPos;
    return true;
  }
  FOutSize = FOutAt = 0;
  return false;
}

std::size_t SharedStart(std::string_view a, std::string_view b, const std::stop_token &stop) {
  const std::size_t n = std::min(a.size(), b.size());
  std::size_t shared = 0;
  while (shared < n && !stop.stop_requested()) {
    const std::size_t slice = std::min(kStopEvery, n - shared);
    const std::size_t same = CommonPrefix(a.substr(shared, slice), b.substr(shared, slice));
    shared += same;
    if (same < slice)
      break;
  }
  return shared;
}

bool ReadAlike(std::string_view a, std::string_view b, std::size_t shared,
               const TFormOptions &options, const std::stop_token &stop) {
  if (shared == a.size() && shared == b.size())
    return true;
  // The shared start reads alike: both forms begin at its last line, where no run of spaces,
  // CR LF or character can be cut.
  const std::size_t lastLine = a.substr(0, shared).rfind('\n');
  const std::size_t from = lastLine == std::string_view::npos ? 0 : lastLine + 1;
  TFormReader first(a, options, from), second(b, options, from);
  for (std::size_t read = 1;; ++read) {
    if (read % kStopEvery == 0 && stop.stop_requested())
      return false;
    const bool more = first.Next();
    if (more != second.Next())
      return false;
    if (!more)
      return true;
    if (first.Byte() != second.Byte())
      return false;
  }
}
