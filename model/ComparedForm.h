// The form of a text that a comparison may look past: line ends, spaces, letter case. A text is
// read into its compared form a byte at a time, each compared byte with the span of original
// bytes it stands for:
// - line ends: CR LF becomes LF (its span the two bytes), a CR alone becomes LF;
// - number of spaces: a run of spaces and tabs becomes one space (its span the run); a run just
//   before a CR, an LF or the end of the text is dropped;
// - all spaces: every space and tab is dropped;
// - case: a letter becomes its lower case, a character at a time (under UTF-8 its span is the
//   character's bytes, whatever the length of its folded form).
// Dropped bytes join the span of the next compared byte; those at the end of the text join none.
#pragma once

#include "CodePages.h"

#include <array>
#include <cstddef>
#include <stop_token>
#include <string_view>

// What a comparison may look past; all four combine.
struct TIgnoreChoices {
  bool LineEnds = false;
  bool SpaceChange = false; // number of spaces
  bool AllSpace = false;    // all spaces; number of spaces too
  bool Case = false;

  bool Any() const { return LineEnds || SpaceChange || AllSpace || Case; }
  bool operator==(const TIgnoreChoices &) const = default;
};

struct TFormOptions : TIgnoreChoices {
  bool Utf8 = false; // how a letter is told: a UTF-8 character, else a byte of Page
  TCodePage Page = TCodePage::Windows1251;

  bool operator==(const TFormOptions &) const = default;
};

// What reading the compared form from one original byte on gives: up to four compared bytes
// (none where the bytes are dropped) and the original byte the next read begins at.
struct TFormStep {
  std::array<char, 4> Bytes{};
  std::size_t Size = 0;
  std::size_t End = 0;
};

// A byte that is neither a blank nor a CR the options look past: itself, or its letter folded.
TFormStep ReadLetterStep(std::string_view text, std::size_t pos, const TFormOptions &options);

// One step of the form of text from byte pos on (pos < text.size()), which must not lie inside a
// run of spaces, a CR LF or a character. Inline: the compared form of a whole text takes a
// step at every blank run and line end.
inline TFormStep ReadFormStep(std::string_view text, std::size_t pos, const TFormOptions &options) {
  const auto blank = [&](std::size_t at) { return text[at] == ' ' || text[at] == '\t'; };
  const std::size_t n = text.size();
  if (blank(pos) && (options.SpaceChange || options.AllSpace)) {
    std::size_t end = pos + 1;
    while (end < n && blank(end))
      ++end;
    const bool dropped = options.AllSpace || end == n || text[end] == '\r' || text[end] == '\n';
    return {{' '}, dropped ? 0u : 1u, end};
  }
  if (text[pos] == '\r' && options.LineEnds)
    return {{'\n'}, 1, pos + 1 < n && text[pos + 1] == '\n' ? pos + 2 : pos + 1};
  return ReadLetterStep(text, pos, options);
}

class TFormReader {
public:
  // Reads text from byte from on, which must not lie inside a run of spaces, a CR LF or a
  // character.
  TFormReader(std::string_view text, const TFormOptions &options, std::size_t from = 0);

  // Moves to the next compared byte; false at the end.
  bool Next();
  char Byte() const { return FOut[FOutAt]; }
  // The original bytes it stands for: [SpanStart, SpanEnd).
  std::size_t SpanStart() const { return FSpanStart; }
  std::size_t SpanEnd() const { return FSpanEnd; }
  // Whether the current compared byte is the last its original bytes give, and the original byte
  // the next read begins at.
  bool AtStepEnd() const { return FOutAt + 1 == FOutSize; }
  std::size_t Position() const { return FPos; }

private:
  // Reads what the next original bytes give into FOut; false at the end.
  bool Refill();

  std::string_view FText;
  TFormOptions FOptions;
  std::size_t FPos = 0; // the next original byte not read
  std::size_t FSpanStart = 0, FSpanEnd = 0;
  std::array<char, 4> FOut{}; // the compared bytes of what was read last
  std::size_t FOutSize = 0, FOutAt = 0;
};

// Whether the two texts read alike in their compared forms, given the length of the start they
// share: one pass, stopped at the first difference the options do not explain. A stop request
// is looked at every megabyte and answers false.
bool ReadAlike(std::string_view a, std::string_view b, std::size_t shared,
               const TFormOptions &options, const std::stop_token &stop = {});

// The length of the start two texts share, looked for a megabyte at a time between looks at a
// stop request (after one the answer means nothing).
std::size_t SharedStart(std::string_view a, std::string_view b, const std::stop_token &stop = {});
