// The pieces of a comparison of UTF-8 texts with no character split between two of them. The
// engine compares bytes, so a shared piece can begin or end inside a character that differs
// (a Cyrillic letter whose first byte two other letters share). Such partial characters are
// moved out of the shared piece to the differing text beside it:
// - a shared piece gives its leading continuation bytes (at most three) to the end of the first-
//   and second-only text before it, and its last character, when that is cut short, to the start
//   of the text after it, on both sides;
// - a shared piece that is left with nothing joins the differing text around it whole;
// - where the differing text between two shared pieces changed, it is rewritten as one piece of
//   the second file's text followed by one of the first's (either left out when empty), the
//   order the engine uses; untouched pieces stay as they are.
// Joining the shared and first-only pieces still gives the first text and the shared and
// second-only pieces the second, byte for byte; shared text only ever shrinks; and where both
// texts are valid UTF-8, every shared piece begins and ends on a character boundary of both, so
// every piece is valid UTF-8.
#pragma once

#include "VClasses.h"

#include <cstdint>
#include <string_view>

// The six counters of a comparison, and how much of the equal text differs in what the
// comparison looked past.
struct TVPieceCounts {
  std::int32_t EqualChars = 0, FirstChars = 0, SecondChars = 0;
  std::int32_t EqualChunks = 0, FirstChunks = 0, SecondChunks = 0;
  std::int32_t IgnoredChars = 0;
  bool operator==(const TVPieceCounts &) const = default;
};

// The counters of any list of pieces of kinds 0 (shared), 1 (first only) and 2 (second only).
TVPieceCounts CountPieces(const TVKindStringList &pieces);

class TVCharacterPieces : public TVKindStringList {
public:
  // The snapped pieces of a comparison's; they may view its texts, which must outlive them.
  explicit TVCharacterPieces(const TVKindStringList &pieces);

private:
  struct Gap; // the differing text between two shared pieces, as it is being collected

  void AddGap(Gap &gap);
};
