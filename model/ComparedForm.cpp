#include "ComparedForm.h"

#include "CaseFolding.h"
#include "Cells.h"
#include "Encoding.h"
#include "MatchSteps.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kStopEvery = std::size_t{1} << 20; // bytes between looks at a stop

} // namespace

TFormReader::TFormReader(std::string_view text, const TFormOptions &options, std::size_t from)
    : FText(text), FOptions(options), FPos(from), FSpanStart(from), FSpanEnd(from) {}

bool TFormReader::Next() {
  if (++FOutAt < FOutSize)
    return true;
  return Refill();
}

TFormStep ReadLetterStep(std::string_view text, std::size_t pos, const TFormOptions &options) {
  TFormStep step;
  const auto give = [&](std::string_view bytes, std::size_t end) {
    std::copy(bytes.begin(), bytes.end(), step.Bytes.begin());
    step.Size = bytes.size();
    step.End = end;
    return step;
  };
  const char c = text[pos];
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

namespace {

// The last place in bytes both texts share where both forms can be read from again as well as
// from the start: not inside a UTF-8 character, and with the byte there shared, so that no
// character before it is read with a byte the texts do not share. (A run of spaces or a CR LF
// cut there reads the same in both texts either way.)
std::size_t LastCut(std::string_view shared) {
  for (std::size_t k = shared.size(); k-- > 1;) {
    const auto byte = static_cast<unsigned char>(shared[k]);
    if (byte < 0x80 || byte >= 0xC0)
      return k;
  }
  return 0;
}

} // namespace

bool ReadAlike(std::string_view a, std::string_view b, std::size_t shared,
               const TFormOptions &options, const std::stop_token &stop) {
  // Bytes both texts share read alike, so the forms are read only from the last place both can
  // be cut before a difference to the end of the line it is on; then the texts are compared
  // byte for byte again.
  std::size_t atA = 0, atB = 0;
  for (;;) {
    if (atA + shared == a.size() && atB + shared == b.size())
      return true;
    const std::size_t cut = LastCut(a.substr(atA, shared));
    TFormReader first(a, options, atA + cut), second(b, options, atB + cut);
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
      if (first.Byte() == '\n' && first.AtStepEnd() && second.AtStepEnd())
        break;
    }
    atA = first.Position();
    atB = second.Position();
    shared = SharedStart(a.substr(atA), b.substr(atB), stop);
    if (stop.stop_requested())
      return false;
  }
}
