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

void TFormReader::Give(std::string_view bytes, std::size_t end) {
  std::copy(bytes.begin(), bytes.end(), FOut.begin());
  FOutSize = bytes.size();
  FOutAt = 0;
  FSpanStart = FSpanEnd; // with whatever was dropped since the last compared byte
  FSpanEnd = FPos = end;
}

bool TFormReader::Refill() {
  const std::size_t n = FText.size();
  while (FPos < n) {
    const char c = FText[FPos];
    if (IsBlank(c) && (FOptions.SpaceChange || FOptions.AllSpace)) {
      std::size_t end = FPos;
      while (end < n && IsBlank(FText[end]))
        ++end;
      if (FOptions.AllSpace || end == n || FText[end] == '\r' || FText[end] == '\n') {
        FPos = end; // dropped: the bytes join the next compared byte's span
        continue;
      }
      Give(" ", end);
      return true;
    }
    if (c == '\r' && FOptions.LineEnds) {
      Give("\n", FPos + 1 < n && FText[FPos + 1] == '\n' ? FPos + 2 : FPos + 1);
      return true;
    }
    if (!FOptions.Case) {
      Give(FText.substr(FPos, 1), FPos + 1);
      return true;
    }
    if (!FOptions.Utf8) {
      const char lower = LowerIn(c, FOptions.Page);
      Give({&lower, 1}, FPos + 1);
      return true;
    }
    const TVCharacter ch = Utf8CharacterAt(FText, FPos);
    if (!ch.Valid) {
      Give(FText.substr(FPos, 1), FPos + 1); // a byte that begins no character stands as it is
      return true;
    }
    std::array<char, 4> folded{};
    const std::size_t size = EncodeUtf8(FoldedCodePoint(ch.CodePoint), folded);
    Give({folded.data(), size}, FPos + ch.Bytes);
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
