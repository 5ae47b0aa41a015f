// What snapping to characters must keep, checked on any pair by the property test and the fuzz
// target: both texts come back from the pieces, shared text is only ever taken from the engine's
// shared pieces, the counters add up, and where both texts are valid UTF-8 so is every piece.
#pragma once

#include "CharacterPieces.h"
#include "Encoding.h"
#include "VDiff.h"

#include <string>

// Empty when every property holds; else what failed.
inline std::string CharacterPiecesFault(const std::string &first, const std::string &second) {
  TVDiff diff;
  diff.RunOn(first, second);
  const TVCharacterPieces pieces(diff);
  std::string joinedFirst, joinedSecond;
  const bool valid = IsValidUtf8(first) && IsValidUtf8(second);
  int engine = 0; // the engine's shared piece a snapped one must lie in
  for (int k = 0; k < pieces.Count(); ++k) {
    const std::string_view text = pieces.Text(k);
    const std::int32_t kind = pieces.GetKind(k);
    if (kind != 2)
      joinedFirst += text;
    if (kind != 1)
      joinedSecond += text;
    if (valid && !IsValidUtf8(text))
      return "a piece that is not valid UTF-8 at " + std::to_string(k);
    if (kind != 0 || text.empty())
      continue;
    while (engine < diff.Count() &&
           !(diff.GetKind(engine) == 0 && text.data() >= diff.Text(engine).data() &&
             text.data() + text.size() <= diff.Text(engine).data() + diff.Text(engine).size()))
      ++engine;
    if (engine == diff.Count())
      return "shared text the engine did not find shared, at " + std::to_string(k);
  }
  if (joinedFirst != first)
    return "the first text does not come back";
  if (joinedSecond != second)
    return "the second text does not come back";
  const TVPieceCounts counts = CountPieces(pieces);
  if (counts.EqualChars + counts.FirstChars != static_cast<std::int32_t>(first.size()) ||
      counts.EqualChars + counts.SecondChars != static_cast<std::int32_t>(second.size()))
    return "the counters do not add up";
  if (counts.EqualChars > diff.EqualChars)
    return "more shared text than the engine found";
  return {};
}
